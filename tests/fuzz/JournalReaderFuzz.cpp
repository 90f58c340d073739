// libFuzzer entry point for the undo journal reader: any bytes, read as a journal of any version
// (version 3's lines, or the one JSON object of versions 1 and 2). Also linked into the replay
// runner, which feeds it the committed corpus as a plain test.

#include "engine/RunJournal.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    dirforge::engine::JournalRead read;
    if (const auto journal = dirforge::engine::JournalFromJson(text, error, &read)) {
        // What was read writes again and reads back the same.
        const std::string again = dirforge::engine::JournalToJson(*journal);
        std::string second;
        if (!dirforge::engine::JournalFromJson(again, second))
            __builtin_trap();
    }
    return 0;
}
