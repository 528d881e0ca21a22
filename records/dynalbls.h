#pragma once
// DYNALBLS: label and paper definitions, text kept in the OEM code page.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl dynaLblsDeclaration();
rt::RecordFile& dynaLblsFile();
// No warning names this file.
inline constexpr std::string_view dynaLblsDisplayName = "";
}  // namespace records

inline rt::RecordFile& DYNALBLS = records::dynaLblsFile();

namespace DYN {
// Fields, in declaration order.
inline const rt::Field LABELNAME{records::dynaLblsFile(), "DYN:LABELNAME"};
inline const rt::Field LABELTYPE{records::dynaLblsFile(), "DYN:LABELTYPE"};
inline const rt::Field PAPERNAME{records::dynaLblsFile(), "DYN:PAPERNAME"};
inline const rt::Field PAPERWIDTH{records::dynaLblsFile(), "DYN:PAPERWIDTH"};
inline const rt::Field PAPERHEIGHT{records::dynaLblsFile(), "DYN:PAPERHEIGHT"};
inline const rt::Field LABELWIDTH{records::dynaLblsFile(), "DYN:LABELWIDTH"};
inline const rt::Field LABELHEIGHT{records::dynaLblsFile(), "DYN:LABELHEIGHT"};
inline const rt::Field TOPMARGIN{records::dynaLblsFile(), "DYN:TOPMARGIN"};
inline const rt::Field LEFTMARGIN{records::dynaLblsFile(), "DYN:LEFTMARGIN"};
inline const rt::Field PRINTERNAME{records::dynaLblsFile(), "DYN:PRINTERNAME"};
inline const rt::Field XPRINTADJ{records::dynaLblsFile(), "DYN:XPRINTADJ"};
inline const rt::Field YPRINTADJ{records::dynaLblsFile(), "DYN:YPRINTADJ"};
// Keys.
inline const int LABELNAMEKEY = records::keyOf(records::dynaLblsFile(), "DYN:LABELNAMEKEY");
inline const int LABELTYPENAMEKEY = records::keyOf(records::dynaLblsFile(), "DYN:LABELTYPENAMEKEY");
}  // namespace DYN
