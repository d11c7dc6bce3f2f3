#include "CJsonArrayWriter.h"

#include <ostream>

CJsonArrayWriter::CJsonArrayWriter(std::ostream& output) : out(output) {}

std::string CJsonArrayWriter::Encode(const nlohmann::ordered_json& element)
{
    // File names need not be UTF-8: stray bytes become U+FFFD rather than an exception.
    return element.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void CJsonArrayWriter::Add(std::string_view encoded)
{
    out << (empty ? "[\n" : ",\n") << encoded;
    empty = false;
}

void CJsonArrayWriter::Close()
{
    out << (empty ? "[]\n" : "\n]\n");
}
