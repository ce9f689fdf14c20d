#pragma once
// Reading a value from a private settings file ("[Section]" headers, "Key=value" lines).
//
// Section and key names compare case-insensitively; names and values are trimmed of
// blanks; a value ends at a NUL byte or at the end of its line (CR LF or LF, last line
// with or without a newline). A value longer than size-1 characters is cut to size-1.
// When the file or the key is missing, or the file cannot be read (a folder, a pipe, no
// permission), defaultValue is copied as given (null gives "").
// The buffer is always NUL-terminated when size > 0; the result is the number of
// characters copied, not counting the NUL.

unsigned GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue, char* buffer,
                                  unsigned size, const char* fileName);
