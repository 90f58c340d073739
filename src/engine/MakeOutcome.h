#pragma once
// What making one folder or file came to, for the real run and its dry run alike.

namespace dirforge::engine {

enum class MakeOutcome { Existed, Made, Failed };

} // namespace dirforge::engine
