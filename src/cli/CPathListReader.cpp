#include "CPathListReader.h"

#include <istream>

CPathListReader::CPathListReader(std::istream& input, bool nullSeparated)
    : in(input), separator(nullSeparated ? '\0' : '\n')
{}

bool CPathListReader::Next(std::string& path)
{
    while (std::getline(in, path, separator)) {
        if (!path.empty()) {
            return true;
        }
    }
    return false;
}

bool CPathListReader::Failed() const
{
    return in.bad();
}
