// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/star/starcatalogs.h"

#include <cmath>

#include "framework/numbers.h"

namespace {

constexpr const wchar_t* kQueryWords[CStarCatalogs::kCount] = {L"GSC", L"Tycho2", L"Tycho", L"USNOA20"};
constexpr const wchar_t* kScriptWords[CStarCatalogs::kCount] = {L"GSCACT", L"TYCHO2", L"TYCHO", L"USNOA20"};

bool IsIndex(int index) { return index >= 0 && index < CStarCatalogs::kCount; }

}  // namespace

const wchar_t* CStarCatalogs::QueryWord(int index) { return IsIndex(index) ? kQueryWords[index] : L""; }
const wchar_t* CStarCatalogs::ScriptWord(int index) { return IsIndex(index) ? kScriptWords[index] : L""; }

int CStarCatalogs::IndexOfCode(int code) {
    switch (code) {
        case 2: return 0;
        case 4: return 1;
        case 3: return 2;
        case 5: return 3;
        default: return -1;
    }
}

void CStarCatalogs::List(int index) {
    if (IsIndex(index) && m_nCount < kCount) m_anIndex[static_cast<std::size_t>(m_nCount++)] = index;
}

// Rounded down as the processor converts it: a limit that does not fit an int is INT_MIN.
void CStarCatalogs::SetLimit(int index, double magnitude) {
    if (IsIndex(index)) m_anLimit10[static_cast<std::size_t>(index)] = zem::TruncToInt(std::floor(magnitude * 10 + 0.5));
}

int CStarCatalogs::IndexAt(int position) const {
    return (position >= 0 && position < m_nCount) ? m_anIndex[static_cast<std::size_t>(position)] : -1;
}

int CStarCatalogs::PositionOf(int index) const {
    for (int position = 0; position < m_nCount && index >= 0; ++position)
        if (m_anIndex[static_cast<std::size_t>(position)] == index) return position;
    return -1;
}

int CStarCatalogs::Limit10(int selection) const {
    return IsIndex(selection - 1) ? m_anLimit10[static_cast<std::size_t>(selection - 1)] : kStandard10;
}
