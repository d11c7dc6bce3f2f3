#include "CInFlightPaths.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace {

// The usual path needs no normalising; checking costs far less than doing it.
bool IsLexicallyNormal(std::string_view path)
{
    if (path.empty() || path.back() == '/') {
        return false;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        // An empty part beyond the first is a doubled slash; the first is the root.
        if ((part.empty() && start != 0) || part == "." || part == "..") {
            return false;
        }
        if (end == path.size()) {
            return true;
        }
        start = end + 1;
    }
}

}  // namespace

bool CInFlightPaths::Add(const std::string& path, std::size_t index, std::size_t reported)
{
    while (!order.empty() && order.front().second < reported) {
        const auto it = counts.find(order.front().first);
        if (--it->second == 0) {
            counts.erase(it);
        }
        order.pop_front();
    }
    const std::size_t hash = IsLexicallyNormal(path)
                                 ? std::hash<std::string_view>{}(path)
                                 : std::hash<std::string>{}(std::filesystem::path(path).lexically_normal().native());
    order.emplace_back(hash, index);
    return counts[hash]++ != 0;
}
