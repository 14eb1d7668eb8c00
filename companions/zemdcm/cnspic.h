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

class CCnsPic {
public:
    // Fills info with the next set and returns nonzero; 0 when there is none left.
    BOOL EnumInfo(tagCnsPicInfo* info);

    // The process-wide list of sets: the shipped one until the host replaces it.
    static const std::vector<tagCnsPicInfo>& GetList();
    static void SetList(std::vector<tagCnsPicInfo> sets);
    static void AddSet(const CString& name, const CString& file);
    static void ClearList();
    static void RestoreShippedList();

private:
    std::size_t m_next = 0;
};
