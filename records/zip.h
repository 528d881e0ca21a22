#pragma once
// ZIP: zip codes with their city, state and population.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl zipDeclaration();
rt::RecordFile& zipFile();
// The file's name in warnings.
inline constexpr std::string_view zipDisplayName = "Zip";
}  // namespace records

inline rt::RecordFile& ZIP = records::zipFile();

// The label and the prefix share their name, so the prefix is a class: a class name may
// stand beside a variable, and "ZIP::" always finds the class.
// A member cannot be named like its class: the field ZIP:ZIP is ZIP::ZIP_.
struct ZIP {
    // Fields, in declaration order.
    static inline const rt::Field CITY{records::zipFile(), "ZIP:CITY"};
    static inline const rt::Field STATE{records::zipFile(), "ZIP:STATE"};
    static inline const rt::Field ZIP_{records::zipFile(), "ZIP:ZIP"};
    static inline const rt::Field POPULATION{records::zipFile(), "ZIP:POPULATION"};
    // Keys.
    static inline const int KEYCITY = records::keyOf(records::zipFile(), "ZIP:KEYCITY");
    static inline const int KEYSTATE = records::keyOf(records::zipFile(), "ZIP:KEYSTATE");
    static inline const int KEYZIP = records::keyOf(records::zipFile(), "ZIP:KEYZIP");
    static inline const int KEYPOPULATION = records::keyOf(records::zipFile(), "ZIP:KEYPOPULATION");
};
