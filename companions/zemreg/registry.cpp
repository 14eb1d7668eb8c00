#include "companions/zemreg/registry.h"

#include "platform/textfile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Case folding that does not depend on the process locale.
wchar_t Fold(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 0x20);
    if (c < 0xC0) return c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) ||   // Latin-1
        (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||  // Greek
        (c >= 0x410 && c <= 0x42F))                  // Cyrillic
        return static_cast<wchar_t>(c + 0x20);
    if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);
    if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<wchar_t>(c + 0x20);  // full-width
    return c;
}

std::wstring FoldAll(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out) c = Fold(c);
    return out;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

std::wstring_view Trim(std::wstring_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

struct Value {
    std::wstring key;  // first spelling
    std::wstring text;
};

struct Section {
    std::wstring name;  // first spelling
    std::vector<std::wstring> order;  // folded keys, first-seen order
    std::map<std::wstring, Value> values;
};

struct Store {
    std::mutex mutex;
    std::vector<std::wstring> order;  // folded sections, first-seen order
    std::map<std::wstring, Section> sections;

    void Put(std::wstring_view section, std::wstring_view key, std::wstring_view text) {
        const std::wstring fs = FoldAll(section);
        auto [sit, newSection] = sections.try_emplace(fs);
        if (newSection) {
            sit->second.name = section;
            order.push_back(fs);
        }
        Section& s = sit->second;
        const std::wstring fk = FoldAll(key);
        auto [vit, newKey] = s.values.try_emplace(fk);
        if (newKey) {
            vit->second.key = key;
            s.order.push_back(fk);
        }
        vit->second.text = text;
    }
};

Store& TheStore() {
    static Store store;
    return store;
}

std::wstring Unquote(std::wstring_view v) {
    std::wstring out;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == L'\\' && i + 1 < v.size()) {
            const wchar_t n = v[i + 1];
            if (n == L'\\' || n == L'n' || n == L'r') {
                out += n == L'n' ? L'\n' : n == L'r' ? L'\r' : L'\\';
                ++i;
                continue;
            }
        }
        out += v[i];
    }
    return out;
}

std::wstring Encode(const std::wstring& v) {
    const bool needsQuotes = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) || v.front() == L'"' ||
                                            v.find_first_of(L"\r\n") != std::wstring::npos);
    if (!needsQuotes) return v;
    std::wstring out = L"\"";
    for (wchar_t c : v) {
        if (c == L'\\') out += L"\\\\";
        else if (c == L'\n') out += L"\\n";
        else if (c == L'\r') out += L"\\r";
        else out += c;
    }
    return out + L"\"";
}

}  // namespace

BOOL CRegistry::Read(const CString& section, const CString& key, const CString& defaultValue, CString& value) {
    try {
        Store& store = TheStore();
        std::lock_guard lock(store.mutex);
        const auto sit = store.sections.find(FoldAll(section.str()));
        if (sit != store.sections.end()) {
            const auto vit = sit->second.values.find(FoldAll(key.str()));
            if (vit != sit->second.values.end()) {
                value = CString(vit->second.text);
                return TRUE;
            }
        }
        value = defaultValue;
    } catch (...) {
        value = defaultValue;
    }
    return FALSE;
}

void CRegistry::Write(const CString& section, const CString& key, const CString& value) {
    try {
        Store& store = TheStore();
        std::lock_guard lock(store.mutex);
        store.Put(section.str(), key.str(), value.str());
    } catch (...) {
    }
}

void CRegistry::Clear() {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    store.order.clear();
    store.sections.clear();
}

bool CRegistry::LoadFile(const CString& path) {
    try {
        std::wstring text;
        if (!zem::ReadUtf8File(path, text)) return false;

        // Parse first, so that a failure leaves the store as it was.
        struct Item {
            std::wstring section, key, value;
        };
        std::vector<Item> items;
        std::wstring section;
        std::size_t pos = 0;
        while (pos <= text.size()) {
            std::size_t end = text.find(L'\n', pos);
            if (end == std::wstring::npos) end = text.size();
            const std::wstring_view line = Trim(std::wstring_view(text).substr(pos, end - pos));
            pos = end + 1;
            if (line.empty() || line.front() == L';' || line.front() == L'#') continue;
            if (line.front() == L'[') {
                const std::size_t close = line.find(L']');
                section = Trim(line.substr(1, close == std::wstring_view::npos ? std::wstring_view::npos : close - 1));
                continue;
            }
            const std::size_t eq = line.find(L'=');
            if (eq == std::wstring_view::npos) continue;
            const std::wstring_view key = Trim(line.substr(0, eq));
            std::wstring_view value = line.substr(eq + 1);
            // Blanks after '=' belong to the writer's layout unless the value is quoted.
            const std::wstring_view trimmed = Trim(value);
            std::wstring stored;
            if (trimmed.size() >= 2 && trimmed.front() == L'"' && trimmed.back() == L'"')
                stored = Unquote(trimmed.substr(1, trimmed.size() - 2));
            else
                stored = trimmed;
            if (key.empty()) continue;
            items.push_back(Item{section, std::wstring(key), std::move(stored)});
        }

        Store& store = TheStore();
        std::lock_guard lock(store.mutex);
        for (const Item& item : items) store.Put(item.section, item.key, item.value);
        return true;
    } catch (...) {
        return false;
    }
}

bool CRegistry::SaveFile(const CString& path) {
    try {
        std::wstring text;
        {
            Store& store = TheStore();
            std::lock_guard lock(store.mutex);
            for (const std::wstring& fs : store.order) {
                const Section& s = store.sections.at(fs);
                if (s.name.find_first_of(L"]\r\n") != std::wstring::npos) continue;
                text += L"[" + s.name + L"]\n";
                for (const std::wstring& fk : s.order) {
                    const Value& v = s.values.at(fk);
                    const std::wstring_view key = Trim(v.key);
                    if (key.empty() || v.key.find_first_of(L"=\r\n") != std::wstring::npos) continue;
                    if (key.front() == L';' || key.front() == L'#' || key.front() == L'[') continue;
                    text += std::wstring(key) + L"=" + Encode(v.text) + L"\n";
                }
                text += L"\n";
            }
        }
        std::ofstream out(zem::ToUtf8(path), std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << zem::ToUtf8(std::wstring_view(text));
        out.flush();
        return static_cast<bool>(out);
    } catch (...) {
        return false;
    }
}
