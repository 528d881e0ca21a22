#pragma once
// Event numbers, property numbers, key codes and dialog codes of the window model.
// Procedures test these by name: EVENT::Accepted, PROP::Text, KEY::Enter.

namespace EVENT {
// Events of a control.
inline constexpr int Accepted = 0x01;
inline constexpr int NewSelection = 0x02;
inline constexpr int ScrollUp = 0x03;
inline constexpr int ScrollDown = 0x04;
inline constexpr int PageUp = 0x05;
inline constexpr int PageDown = 0x06;
inline constexpr int ScrollTop = 0x07;
inline constexpr int ScrollBottom = 0x08;
inline constexpr int MouseDown = 0x0A;
inline constexpr int MouseUp = 0x0B;
inline constexpr int MouseIn = 0x0C;
inline constexpr int MouseOut = 0x0D;
inline constexpr int MouseMove = 0x0E;
inline constexpr int AlertKey = 0x10;
inline constexpr int ScrollDrag = 0x15;
inline constexpr int TabChanging = 0x16;
inline constexpr int Selected = 0x101;
inline constexpr int Rejected = 0x103;
// Events of the window.
inline constexpr int CloseWindow = 0x201;
inline constexpr int CloseDown = 0x202;
inline constexpr int OpenWindow = 0x203;
inline constexpr int LoseFocus = 0x205;
inline constexpr int GainFocus = 0x206;
inline constexpr int Timer = 0x20B;
inline constexpr int Sized = 0x221;
inline constexpr int Completed = 0x229;
}  // namespace EVENT

namespace PROP {
// Numbers of our own, except those fixed by the procedures (0x7CB8, 0x7CBD, 0x7CEC).
inline constexpr int Text = 0x7C01;
inline constexpr int Hide = 0x7C02;
inline constexpr int Hidden = Hide;
inline constexpr int Disable = 0x7C03;
inline constexpr int Xpos = 0x7C04;
inline constexpr int Ypos = 0x7C05;
inline constexpr int Width = 0x7C06;
inline constexpr int Height = 0x7C07;
inline constexpr int ControlType = 0x7C08;
inline constexpr int Required = 0x7C09;
inline constexpr int ReadOnly = 0x7C0A;
inline constexpr int Upper = 0x7C0B;
inline constexpr int Default = 0x7C0C;
inline constexpr int Icon = 0x7C0D;
inline constexpr int Cursor = 0x7C0E;
inline constexpr int Tip = 0x7C0F;
inline constexpr int Key = 0x7C10;
inline constexpr int Picture = 0x7C11;  // the display picture of an entry or string
inline constexpr int Format = 0x7C12;   // the column format of a list
inline constexpr int From = 0x7C13;     // the "A|B|C" items of a combo or drop list
inline constexpr int RangeLow = 0x7C14;
inline constexpr int RangeHigh = 0x7C15;
inline constexpr int Step = 0x7C16;
inline constexpr int Timer = 0x7C17;  // window timer in hundredths of a second
inline constexpr int Wallpaper = 0x7C18;
inline constexpr int Tiled = 0x7C19;
inline constexpr int Centered = 0x7C1A;
inline constexpr int StatusText = 0x7C1B;  // zone 1 of the status bar
inline constexpr int MinWidth = 0x7C1C;
inline constexpr int MinHeight = 0x7C1D;
inline constexpr int AcceptAllActive = 0x7C1E;  // read only: the accept-all pass is running
inline constexpr int VerticalThumb = 0x7C1F;    // 0..100, set by the procedure
inline constexpr int SelectedRow = 0x7C20;      // 0 for none
inline constexpr int VisibleRows = 0x7C21;      // read only
inline constexpr int VerticalScrollBar = 0x7C22;
inline constexpr int ImageFromBlob = 0x7C23;  // an image control's picture as file bytes
inline constexpr int ImageWidth = 0x7C24;     // read only: the picture's natural size
inline constexpr int ImageHeight = 0x7C25;
inline constexpr int HorizontalScroll = 0x7C26;  // an image's scroll position
inline constexpr int VerticalScroll = 0x7C27;
inline constexpr int PageFile = 0x7C28;  // an image showing a named report page (scaled)
inline constexpr int Progress = 0x7C29;  // a progress bar's value
inline constexpr int Checked = 0x7C2A;   // a check box, check item or toggle's state
inline constexpr int Choice = 0x7C2B;    // selected tab, radio or drop-list item (from 1)
inline constexpr int FontName = 0x7C2C;
inline constexpr int FontSize = 0x7C2D;
inline constexpr int FontColor = 0x7C2E;
inline constexpr int Background = 0x7C2F;
inline constexpr int ListIcon = 0x7C30;
inline constexpr int Filter = 0x7CB8;            // a view's filter (views own it)
inline constexpr int DeferRepaint = 0x7CBD;      // a count of moves during which repaint waits
inline constexpr int WallpaperUntiled = 0x7CEC;  // set with every untiled wallpaper
}  // namespace PROP

namespace KEY {
// Base codes; Shift adds 0x100, Ctrl 0x200, Alt 0x400.
inline constexpr int ShiftMask = 0x100;
inline constexpr int CtrlMask = 0x200;
inline constexpr int AltMask = 0x400;
inline constexpr int LeftClick = 0x01;
inline constexpr int RightClick = 0x02;
inline constexpr int CenterClick = 0x04;
inline constexpr int LeftDoubleClick = 0x05;
inline constexpr int RightDoubleClick = 0x06;
inline constexpr int Backspace = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Enter = 0x0D;
inline constexpr int Esc = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int PgUp = 0x21;
inline constexpr int PgDn = 0x22;
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
inline constexpr int F1 = 0x70;
inline constexpr int F2 = 0x71;
inline constexpr int F3 = 0x72;
inline constexpr int F4 = 0x73;
inline constexpr int F5 = 0x74;
inline constexpr int F6 = 0x75;
inline constexpr int F7 = 0x76;
inline constexpr int F8 = 0x77;
inline constexpr int F9 = 0x78;
inline constexpr int F10 = 0x79;
inline constexpr int F11 = 0x7A;
inline constexpr int F12 = 0x7B;
// The numeric keypad's digits (Pad0 + n), point and operators.
inline constexpr int Pad0 = 0x60;
inline constexpr int PadMultiply = 0x6A;
inline constexpr int PadAdd = 0x6B;
inline constexpr int PadSubtract = 0x6D;
inline constexpr int PadPoint = 0x6E;
inline constexpr int PadDivide = 0x6F;
inline constexpr int Quote = 0xDE;
inline constexpr int ShiftTab = ShiftMask + Tab;
inline constexpr int CtrlEnter = CtrlMask + Enter;
inline constexpr int CtrlQuote = CtrlMask + Quote;
inline constexpr int CtrlPgUp = CtrlMask + PgUp;
inline constexpr int CtrlPgDn = CtrlMask + PgDn;
inline constexpr int CtrlHome = CtrlMask + Home;
inline constexpr int CtrlEnd = CtrlMask + End;
inline constexpr int AltF4 = AltMask + F4;
inline constexpr int AltShiftInsert = AltMask + ShiftMask + Insert;
// A letter or digit key: its upper-case character (KEY::letter('Q') + CtrlMask = Ctrl+Q).
constexpr int letter(char c) {
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
}
}  // namespace KEY

namespace BUTTON {
// Message-box buttons; a box answers the code of the button pressed.
inline constexpr int Ok = 1;
inline constexpr int Yes = 2;
inline constexpr int No = 4;
inline constexpr int Abort = 8;
inline constexpr int Retry = 16;
inline constexpr int Ignore = 32;
inline constexpr int Cancel = 64;
inline constexpr int Help = 128;
}  // namespace BUTTON

namespace ICON {
inline constexpr int None = 0;
inline constexpr int Asterisk = 1;
inline constexpr int Exclamation = 2;
inline constexpr int Hand = 3;
inline constexpr int Question = 4;
}  // namespace ICON

namespace CURSOR {
inline constexpr int Normal = 0;
inline constexpr int Wait = 1;
}  // namespace CURSOR
