// CRegistry: the process-wide store of settings by section and key, as the maker's registry
// library offers it. Section and key names compare without regard to case (ASCII, Latin-1,
// Greek, Cyrillic and full-width letters), as registry names do on the original platform;
// the first spelling seen is kept for saving. Values are kept exactly.
//
// Backing file (optional, the host's choice): UTF-8 text, a byte-order mark allowed.
//   [Section]
//   Key=Value
// Lines starting with ';' or '#' and blank lines are skipped; names are trimmed. A value is
// taken verbatim after the first '=', unless it is written in double quotes: then the quotes
// are dropped and \\, \n and \r inside stand for a backslash, a line feed and a carriage return.
// Saving quotes exactly the values that need it (blanks at either end, a leading quote, line
// breaks). A key holding '=' or a line break, or a section holding ']' or a line break, cannot
// be written and is left out of the file.
#pragma once

#include "platform/cstring.h"
#include "platform/types.h"

class CRegistry {
public:
    // value := the stored value, or defaultValue when there is none; TRUE when one was found.
    static BOOL Read(const CString& section, const CString& key, const CString& defaultValue, CString& value);

    // Host side.
    static void Write(const CString& section, const CString& key, const CString& value);
    static void Clear();
    // Merges the file's values into the store (values in the file win). False when the file
    // cannot be read; the store is then unchanged.
    static bool LoadFile(const CString& path);
    static bool SaveFile(const CString& path);
};
