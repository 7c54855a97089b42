#pragma once
#include <cstddef>
#include <cstdint>

// The fixed parts of the game file: a 34-byte header, then records of a code byte and a payload.
constexpr std::size_t GameFileHeaderSize = 34;
constexpr std::size_t NoteLength = 30;
constexpr std::uint8_t CodeLevelStart = 255;
constexpr int MaxLevelCount = 255;

// Payload bytes that follow a record's code; codes the game does not know carry none.
std::size_t RecordPayloadSize(std::uint8_t code);
