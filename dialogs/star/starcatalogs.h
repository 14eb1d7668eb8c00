// SPDX-License-Identifier: BSD-3-Clause
// The star data the star dialog offers: the standard data and the four extended catalogs, which of
// them the engine has installed (the extended-data list), each one's magnitude limit, and the
// bounds of the magnitude fields for the data in use. A plain value: the dialog fills it from the
// engine when it opens and asks it where the list, the engine and the script meet.
#pragma once

#include <array>

class CStarCatalogs {
public:
    static constexpr int kCount = 4;           // extended catalogs: 0 GSC-ACT, 1 Tycho-2, 2 Tycho, 3 USNO-A2.0
    static constexpr int kStandard10 = 141;    // the standard data's limit, in tenths
    static constexpr int kFloor10 = -60;       // the bright end of every magnitude field, in tenths

    // The words of an extended catalog in queries ("GSC") and in scripts ("GSCACT").
    static const wchar_t* QueryWord(int index);
    static const wchar_t* ScriptWord(int index);
    // The extended catalog of an engine catalog code (2 GSC-ACT, 3 Tycho, 4 Tycho-2,
    // 5 USNO-A2.0); -1 for the standard data (1) and anything else.
    static int IndexOfCode(int code);

    // Filling, in index order: a catalog the engine names is listed; every catalog has a limit,
    // the engine's answer to the nearest tenth.
    void List(int index);
    void SetLimit(int index, double magnitude);

    int Count() const { return m_nCount; }
    // The catalog at a list position; -1 outside the list.
    int IndexAt(int position) const;
    // The first list position of a catalog; -1 when it is not listed.
    int PositionOf(int index) const;

    // The limit of a data selection (0 standard data, 1..4 extended catalog index + 1), in tenths.
    int Limit10(int selection) const;
    // The magnitude fields' bounds for that selection from now on.
    void Use(int selection) { m_nUpper10 = Limit10(selection); }
    const int& Upper10() const { return m_nUpper10; }
    const int& Lower10() const { return m_nLower10; }

private:
    int m_nCount = 0;
    std::array<int, kCount> m_anIndex{};  // list position -> extended catalog index
    std::array<int, kCount> m_anLimit10{};  // extended catalog index -> its limit
    int m_nUpper10 = kStandard10;
    int m_nLower10 = kFloor10;
};
