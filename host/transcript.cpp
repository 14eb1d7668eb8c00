#include "transcript.h"

void Transcript::Line(const std::wstring& text) {
    std::wstring line = text;
    if (!alias_.empty())
        for (std::size_t at = line.find(alias_); at != std::wstring::npos; at = line.find(alias_, at + 5))
            line.replace(at, alias_.size(), L"$DATA");
    if (sink_) {
        sink_(line);
        return;
    }
    const std::string bytes = zem::ToUtf8(line);
    std::fwrite(bytes.data(), 1, bytes.size(), out_);
    std::fputc('\n', out_);
}
