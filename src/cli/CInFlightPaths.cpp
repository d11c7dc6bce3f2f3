#include "CInFlightPaths.h"

#include "platform/Folders.h"

#include <functional>
#include <string_view>

bool CInFlightPaths::Add(const std::string& path, std::size_t index, std::size_t reported)
{
    while (!order.empty() && order.front().second < reported) {
        const auto it = counts.find(order.front().first);
        if (--it->second == 0) {
            counts.erase(it);
        }
        order.pop_front();
    }
    thread_local std::string storage;
    const std::size_t hash = std::hash<std::string_view>{}(SamePathKey(path, storage));
    order.emplace_back(hash, index);
    return counts[hash]++ != 0;
}
