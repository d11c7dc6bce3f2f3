#include "CJsonArrayWriter.h"

#include <ostream>

CJsonArrayWriter::CJsonArrayWriter(std::ostream& output) : out(output) {}

void CJsonArrayWriter::Add(const nlohmann::ordered_json& element)
{
    out << (empty ? "[\n" : ",\n");
    empty = false;
    // File names need not be UTF-8: stray bytes become U+FFFD rather than an exception.
    out << element.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void CJsonArrayWriter::Close()
{
    out << (empty ? "[]\n" : "\n]\n");
}
