#include "CJsonArrayWriter.h"

#include "journal/JsonText.h"

#include <ostream>

CJsonArrayWriter::CJsonArrayWriter(std::ostream& output) : out(output) {}

std::string CJsonArrayWriter::Encode(const nlohmann::ordered_json& element)
{
    return DumpJson(element);
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
