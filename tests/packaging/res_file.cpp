#include "res_file.h"

#include <stdexcept>

namespace trimwise::test {
namespace {

constexpr std::uint16_t kOrdinalMarker = 0xFFFF;

ResourceId ReadId(const ByteReader& in, std::size_t offset, std::size_t& end) {
    if (in.u16(offset) == kOrdinalMarker) {
        end = offset + 4;
        return in.u16(offset + 2);
    }
    return in.utf16z(offset, end);
}

} // namespace

std::vector<Resource> ParseResFile(const Bytes& file) {
    const ByteReader in(file);
    std::vector<Resource> resources;
    std::size_t at = 0;
    while (at < in.size()) {
        const auto dataSize = in.u32(at);
        const auto headerSize = in.u32(at + 4);
        Resource resource;
        std::size_t end = 0;
        resource.type = ReadId(in, at + 8, end);
        resource.name = ReadId(in, end, end);
        end = AlignUp4(end);
        resource.dataVersion = in.u32(end);
        resource.memoryFlags = in.u16(end + 4);
        resource.language = in.u16(end + 6);
        resource.version = in.u32(end + 8);
        resource.characteristics = in.u32(end + 12);
        if (end + 16 != at + headerSize) {
            throw std::runtime_error("header at " + std::to_string(at) + " claims " +
                                     std::to_string(headerSize) + " bytes but holds " +
                                     std::to_string(end + 16 - at));
        }
        const auto data = in.slice(at + headerSize, dataSize);
        resource.data.assign(data.begin(), data.end());
        resources.push_back(std::move(resource));
        at = AlignUp4(at + headerSize + dataSize);
    }
    return resources;
}

const Resource* FindResource(const std::vector<Resource>& resources, std::uint16_t type,
                             std::uint16_t name) {
    for (const auto& resource : resources) {
        if (resource.type == ResourceId{type} && resource.name == ResourceId{name}) {
            return &resource;
        }
    }
    return nullptr;
}

} // namespace trimwise::test
