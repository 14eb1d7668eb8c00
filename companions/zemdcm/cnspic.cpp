// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemdcm/cnspic.h"

namespace {
std::vector<tagCnsPicInfo> Shipped() {
    return {
        {0, L"標準", L"cnspic\\standard.png", 0, 0},
        {1, L"線画", L"cnspic\\lineart.png", 0, 0},
        {2, L"ギリシャ風", L"cnspic\\greek.png", 0, 0},
    };
}

std::vector<tagCnsPicInfo>& List() {
    static std::vector<tagCnsPicInfo> list = Shipped();
    return list;
}
}  // namespace

BOOL CCnsPic::EnumInfo(tagCnsPicInfo* info) {
    const auto& list = List();
    if (!info || m_next >= list.size()) return FALSE;
    *info = list[m_next++];
    return TRUE;
}

const std::vector<tagCnsPicInfo>& CCnsPic::GetList() { return List(); }

bool CCnsPic::IsAcceptable(const CString& name, const CString& file) {
    return name.Find(L'"') < 0 && file.Find(L'"') < 0;
}

void CCnsPic::SetList(std::vector<tagCnsPicInfo> sets) {
    std::erase_if(sets, [](const tagCnsPicInfo& s) { return !IsAcceptable(s.strName, s.strFile); });
    for (std::size_t i = 0; i < sets.size(); ++i) sets[i].nIndex = static_cast<int>(i);
    List() = std::move(sets);
}

bool CCnsPic::AddSet(const CString& name, const CString& file) {
    if (!IsAcceptable(name, file)) return false;
    auto& list = List();
    list.push_back({static_cast<int>(list.size()), name, file, 0, 0});
    return true;
}

void CCnsPic::ClearList() { List().clear(); }
void CCnsPic::RestoreShippedList() { List() = Shipped(); }
