// SPDX-License-Identifier: BSD-3-Clause
// CRegistry: the process-wide store of settings by section and key, as the maker's registry
// library offers it. Section and key names compare without regard to case (ASCII, Latin-1,
// Greek, Cyrillic and full-width letters), as registry names do on the desktop system the dialogs
// were written for; the first spelling seen is kept for saving. Values are kept exactly.
//
// Backing file (optional, the host's choice): UTF-8 text, a byte-order mark allowed.
//   [Section]
//   Key=Value
// Lines whose first non-blank character is ';' or '#' and blank lines are skipped. Section and
// key names are trimmed; a value is taken verbatim after the first '=', up to the line end (LF
// or CRLF). Any of the three may be written in double quotes instead (for a value: all of what
// follows '=', blanks around the quotes aside); inside them \\, \", \n and \r stand for a
// backslash, a double quote, a line feed and a carriage return. Saving quotes exactly what would
// not read back bare (blanks at either end, line breaks, a leading quote, a key that is empty,
// holds '=' or starts with ';', '#' or '['; a section holding ']'), so every name and value the
// store holds comes back from the file. Write stores nothing when a name or value holds a
// character that UTF-8 cannot carry (a surrogate, or a value past U+10FFFF). A save replaces the
// file atomically (zem::WriteFileAtomically).
#pragma once

#include "platform/cstring.h"
#include "platform/types.h"

class ZEM_EXPORT CRegistry {
public:
    // value := the stored value, or defaultValue when there is none; TRUE when one was found.
    static BOOL Read(const CString& section, const CString& key, const CString& defaultValue, CString& value);
    // The same for names and default written in the program, made into no texts on the way.
    static BOOL Read(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue, CString& value);

    // Host side.
    static void Write(const CString& section, const CString& key, const CString& value);
    static void Clear();
    // Merges the file's values into the store (values in the file win). False when the file
    // cannot be read; the store is then unchanged.
    static bool LoadFile(const CString& path);
    // The same for the text of such a file, read by the host (which may bound it first).
    static bool LoadText(const CString& text);
    static bool SaveFile(const CString& path);
};
