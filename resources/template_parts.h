// SPDX-License-Identifier: BSD-3-Clause
// Shared pieces of the module's dialog templates: the window styles the templates use and one
// builder per template.
#pragma once

#include "platform/resource.h"

namespace zem_res {

// Every dialog: modal pop-up with caption and system menu, one font.
constexpr DWORD kDialogStyle = 0x80C800C0;
constexpr const wchar_t* kDialogFont = L"MS UI Gothic";
constexpr int kDialogPointSize = 9;

// Control styles. A radio group runs from the radio with WS_GROUP to the next control that has
// it, so whatever follows the last radio of a group must start a group of its own.
constexpr DWORD kButton = 0x5003000B;         // owner-drawn push button, also OK, Cancel, Help
constexpr DWORD kCheck = 0x50030003;          // automatic check box starting a group
constexpr DWORD kCheckNext = 0x50010003;      // automatic check box after another in its frame
constexpr DWORD kRadioFirst = 0x50030009;     // first automatic radio of a group
constexpr DWORD kRadio = 0x50000009;          // further radios of the group
constexpr DWORD kGroupBox = 0x50020007;
constexpr DWORD kGroupBoxNbl = 0x50000007;    // the deep-sky dialog's frames
constexpr DWORD kEdit = 0x50830080;           // border, automatic horizontal scroll
constexpr DWORD kSpin = 0x50020030;           // auto-buddy, arrow keys; never writes its buddy
constexpr DWORD kStatic = 0x50020000;
constexpr DWORD kStaticCentre = 0x50020001;
constexpr DWORD kListFrame = 0x5001010D;      // owner-drawn static hosting a deep-sky list
constexpr DWORD kCombo = 0x50230003;          // drop-down list, vertical scroll bar
constexpr DWORD kConsList = 0x50A31053;       // owner-drawn check list of the constellations

DialogTemplate ConstellationTemplate();
DialogTemplate MilkyWayTemplate();
DialogTemplate DeepSkyTemplate();
DialogTemplate StarTemplate();
DialogTemplate GscTemplate();
DialogTemplate UsnoA20Template();
DialogTemplate ExoplanetTemplate();
DialogTemplate DoubleStarTemplate();
DialogTemplate VariableStarTemplate();
DialogTemplate NovaTemplate();
DialogTemplate SupernovaTemplate();

}  // namespace zem_res
