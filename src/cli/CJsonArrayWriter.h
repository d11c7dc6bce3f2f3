#pragma once

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <string_view>

// Writes one JSON array element by element as the files are done, so that
// the report of a huge batch is never held in memory whole.
class CJsonArrayWriter {
public:
    explicit CJsonArrayWriter(std::ostream& out);

    // One element as text, made where the file was worked on.
    static std::string Encode(const nlohmann::ordered_json& element);

    void Add(std::string_view encoded);
    // Ends the array (an empty one when nothing was added).
    void Close();

private:
    std::ostream& out;
    bool empty = true;
};
