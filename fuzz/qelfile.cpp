// SPDX-License-Identifier: BSD-3-Clause
// CQelFile on any file: whatever the encoding it takes the file for (UTF-8 with or without a
// byte-order mark, UTF-16 LE or BE with one, else CP932), it hands out the decoded text line by
// line, loses no line end and yields only Unicode scalar values.
#include "companions/zemcom/qelfile.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    static const std::filesystem::path path = fuzz::Scratch() / "list.txt";
    fuzz::WriteFile(path, bytes);

    zem::TextEncoding encoding;
    const std::wstring text = zem::DecodeText(bytes, &encoding);
    FUZZ_CHECK(encoding == zem::DetectEncoding(bytes));
    for (wchar_t c : text) FUZZ_CHECK(static_cast<char32_t>(c) <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));

    // Every line feed of the file is one line end of the text.
    std::size_t fileLineFeeds = 0;
    if (encoding == zem::TextEncoding::Utf16LE || encoding == zem::TextEncoding::Utf16BE) {
        const std::size_t low = encoding == zem::TextEncoding::Utf16LE ? 0 : 1;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            fileLineFeeds += bytes[i + low] == '\n' && bytes[i + 1 - low] == 0;
    } else {
        for (char b : bytes) fileLineFeeds += b == '\n';
    }
    std::size_t textLineFeeds = 0;
    for (wchar_t c : text) textLineFeeds += c == L'\n';
    FUZZ_CHECK(textLineFeeds == fileLineFeeds);

    // The lines are the text split at its line feeds, a CR before one taken off.
    CQelFile file;
    CFileException error;
    FUZZ_CHECK(file.Open(CString(zem::FromUtf8(path.string())), CQelFile::modeRead | CQelFile::typeText, &error));
    FUZZ_CHECK(file.GetEncoding() == encoding);
    std::size_t pos = 0;
    CString line;
    while (file.ReadString(line)) {
        std::size_t end = text.find(L'\n', pos);
        const bool lineEnd = end != std::wstring::npos;
        if (!lineEnd) end = text.size();
        std::size_t stop = end;
        if (lineEnd && stop > pos && text[stop - 1] == L'\r') --stop;
        FUZZ_CHECK(line.str() == text.substr(pos, stop - pos));
        pos = lineEnd ? end + 1 : end;
    }
    FUZZ_CHECK(pos == text.size());
    FUZZ_CHECK(line.IsEmpty());
    zem::DecodeCp932(bytes);
    return 0;
}
