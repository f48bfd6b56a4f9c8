#pragma once
// Seeded, deterministic MUD-like server output for benchmarks: room
// descriptions, combat and chat lines in ANSI colour, prompts, and (on the
// wire) the tagged messages and telnet bytes a game server mixes in. The same
// seed and length always give the same bytes, so figures from different
// builds compare.

#include <cstddef>
#include <cstdint>
#include <string>

enum xirr_mud_corpus_kind {
    // The server's byte stream: ";" escaped as ";;", tags (gauges, prompts,
    // room and chat messages, occasional map payloads of up to 2 KB), a rare
    // telnet echo negotiation and bell.
    XIRR_MUD_CORPUS_WIRE,
    // What the text displays receive once the stream is decoded: the same
    // kind of ANSI text with plain semicolons and nothing else.
    XIRR_MUD_CORPUS_TEXT,
};

// Returns exactly length bytes of corpus of the given kind for seed. The
// stream is cut at length, so its last line or message may be incomplete.
std::string xirr_mud_corpus(uint64_t seed, size_t length, xirr_mud_corpus_kind kind);
