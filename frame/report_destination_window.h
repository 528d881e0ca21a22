#pragma once
// The report destination question and its print options.

#include "runtime/ui/window_structure.h"

namespace windows::report_destination {

// "Report Destination".
namespace DestinationControl {
inline constexpr int PrinterPrompt = 1;
inline constexpr int PrinterName = 2;
inline constexpr int Destination = 3;  // option box: radios 4 (value 1) and 5 (value 2)
inline constexpr int ViewReport = 4;
inline constexpr int PrintReport = 5;
inline constexpr int Ok = 6;
inline constexpr int Cancel = 7;
inline constexpr int Options = 8;
}  // namespace DestinationControl

// "Print Options" of the destination question.
namespace PrintOptionsControl {
inline constexpr int CopiesGroup = 1;
inline constexpr int CopiesPrompt = 2;
inline constexpr int Copies = 3;  // 1 to 15
inline constexpr int Collate = 4;
inline constexpr int FileGroup = 5;
inline constexpr int PrintToFile = 6;
inline constexpr int FileName = 7;
inline constexpr int FileButton = 8;
inline constexpr int PrinterPrompt = 9;
inline constexpr int PrinterName = 10;
inline constexpr int Ok = 11;
inline constexpr int Cancel = 12;
inline constexpr int Select = 13;
}  // namespace PrintOptionsControl

const rt::WindowStructure& destinationWindow();
const rt::WindowStructure& printOptionsWindow();

}  // namespace windows::report_destination
