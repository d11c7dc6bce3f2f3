#include "CInFlightPaths.h"

#include "platform/Folders.h"

#include <functional>
#include <optional>

std::size_t CInFlightPaths::KeyHash::operator()(const Key& key) const noexcept
{
    return std::hash<std::uint64_t>{}(key.inode * 0x9E3779B97F4A7C15u ^ key.device);
}

bool CInFlightPaths::Add(const std::string& path, std::size_t index, std::size_t reported)
{
    while (!order.empty() && order.front().second < reported) {
        const auto it = counts.find(order.front().first);
        if (--it->second == 0) {
            counts.erase(it);
        }
        order.pop_front();
    }
    const std::optional<FileIdentity> identity = IdentityOfPath(path);
    if (!identity) {
        return false;
    }
    const Key key{identity->device, identity->inode};
    order.emplace_back(key, index);
    return counts[key]++ != 0;
}
