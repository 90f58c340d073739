#pragma once
// The low-level FUSE operations of latencyfs over a node table.

#include "LatencyNodes.h"

#include <cstdint>
#include <fuse3/fuse_lowlevel.h>

namespace dirforge::latencyfs {

/// The operations, serving nodes; each request is counted in counters (when given, one per
/// Call) and waits delayMicroseconds before it is served.
fuse_lowlevel_ops Operations(NodeTable& nodes, std::uint64_t* counters, long delayMicroseconds);

} // namespace dirforge::latencyfs
