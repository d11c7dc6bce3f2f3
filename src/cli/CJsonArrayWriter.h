#pragma once

#include <nlohmann/json.hpp>

#include <iosfwd>

// Writes one JSON array element by element as the files are done, so that
// the report of a huge batch is never held in memory whole.
class CJsonArrayWriter {
public:
    explicit CJsonArrayWriter(std::ostream& out);

    void Add(const nlohmann::ordered_json& element);
    // Ends the array (an empty one when nothing was added).
    void Close();

private:
    std::ostream& out;
    bool empty = true;
};
