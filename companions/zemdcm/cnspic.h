// SPDX-License-Identifier: BSD-3-Clause
// CCnsPic: the constellation-picture sets the program can draw, enumerated one at a time.
#pragma once

#include <vector>

#include "platform/cstring.h"

struct tagCnsPicInfo {
    int nIndex = 0;   // position in the list
    CString strName;  // display name
    CString strFile;  // image file, relative to the data path
    int nWidth = 0;   // picture size in pixels, 0 when unknown
    int nHeight = 0;
};

class ZEM_EXPORT CCnsPic {
public:
    // Fills info with the next set and returns nonzero; 0 when there is none left.
    BOOL EnumInfo(tagCnsPicInfo* info);

    // The process-wide list of sets: the shipped one until the host replaces it. A set whose name
    // or file holds a double quote is refused (SetList leaves it out, AddSet answers false): the
    // constellation dialog writes both in double quotes into its script, where such a quote would
    // end the value and let the rest of the text run as statements of its own.
    static const std::vector<tagCnsPicInfo>& GetList();
    static void SetList(std::vector<tagCnsPicInfo> sets);
    static bool AddSet(const CString& name, const CString& file);
    static bool IsAcceptable(const CString& name, const CString& file);
    static void ClearList();
    static void RestoreShippedList();

private:
    std::size_t m_next = 0;
};
