#pragma once

#include <iosfwd>
#include <string>

// The paths of a --files-from list, one at a time, so that a list of any
// length costs no more memory than its longest entry. Entries end at a
// newline, or at a NUL byte for lists written by "find -print0", which can
// carry any file name; empty entries are skipped.
class CPathListReader {
public:
    CPathListReader(std::istream& in, bool nullSeparated);

    // The next path; false at the end of the list or when it could not be read.
    bool Next(std::string& path);
    // Reading stopped at an error rather than at the end.
    bool Failed() const;

private:
    std::istream& in;
    char separator;
};
