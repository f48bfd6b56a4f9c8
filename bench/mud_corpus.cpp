#include "mud_corpus.h"

namespace {

// splitmix64: small, fast and fixed here, so the corpus never changes with
// the client's own generators.
class corpus_random {
public:
    explicit corpus_random(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n).
    size_t below(size_t n) { return static_cast<size_t>(next() % n); }
    template <size_t N>
    const char *pick(const char *const (&words)[N]) { return words[below(N)]; }

private:
    uint64_t state_;
};

const char *const nouns[] = {
    "tarn", "heron", "reed", "lantern", "ferryman", "willow", "stone", "path", "mist", "boat",
    "goblin", "sword", "shield", "torch", "cellar", "bridge", "rat", "troll", "mire", "hollow",
    "door", "key", "chest", "coin", "ring", "cloak", "staff", "wolf", "owl", "ghost",
};
const char *const adjectives[] = {
    "dark", "still", "grey", "old", "rotten", "silver", "narrow", "cold", "crooked", "misty",
    "ancient", "muddy", "broken", "quiet", "heavy", "pale",
};
const char *const verbs[] = {
    "watches", "drifts past", "creaks", "glimmers", "waits", "slashes at", "misses", "hits",
    "circles", "whispers to", "blocks", "flees from", "stares at", "drops",
};
const char *const names[] = {"Bram", "Ysolde", "Corvin", "Maud", "Tobiah", "Ilse", "Wend", "Osric"};
const char *const channels[] = {"gossip", "newbie", "trade", "guild", "ooc"};
const char *const colours[] = {"31", "32", "33", "34", "35", "36", "37", "1;33", "1;31", "1;32", "0;36"};
const char *const flags[] = {"prompt", "newroom", "combat_start", "combat_end", "clear_target"};

class corpus_writer {
public:
    corpus_writer(uint64_t seed, xirr_mud_corpus_kind kind) : random_(seed), wire_(kind == XIRR_MUD_CORPUS_WIRE) {}

    std::string make(size_t length) {
        out_.reserve(length + 4096);
        while (out_.size() < length)
            paragraph();
        out_.resize(length);
        return std::move(out_);
    }

private:
    // Text as the display shows it: on the wire every ";" is doubled.
    void text(const std::string &s) {
        for (char c : s) {
            out_ += c;
            if (c == ';' && wire_)
                out_ += ';';
        }
    }
    void colour(const char *code) { text(std::string("\x1b[") + code + "m"); }
    void reset_colour() { text("\x1b[0m"); }
    // A payload cannot hold ";": the server writes "," instead.
    void tag(const char *name, std::string payload) {
        if (!wire_)
            return;
        for (char &c : payload)
            if (c == ';')
                c = ',';
        out_ += std::string(";s") + name + ";" + payload + ";e" + name + ";";
    }
    void flag(const char *name) {
        if (wire_)
            out_ += std::string(";t") + name + ";";
    }

    std::string sentence() {
        std::string s = "The ";
        s += random_.pick(adjectives);
        s += ' ';
        s += random_.pick(nouns);
        s += ' ';
        s += random_.pick(verbs);
        s += " the ";
        s += random_.pick(nouns);
        if (random_.below(4) == 0) {
            s += "; it is ";
            s += random_.pick(adjectives);
        }
        s += ". ";
        return s;
    }

    void room() {
        colour("1;36");
        text(std::string("The ") + random_.pick(adjectives) + " " + random_.pick(nouns) + "\r\n");
        reset_colour();
        const size_t sentences = 3 + random_.below(6);
        std::string line;
        for (size_t i = 0; i < sentences; ++i) {
            line += sentence();
            if (line.size() > 70) {
                text(line + "\r\n");
                line.clear();
            }
        }
        text(line + "\r\n");
        colour("32");
        text("Exits: north, east; down.\r\n");
        reset_colour();
        tag("room", std::string(random_.pick(adjectives)) + " " + random_.pick(nouns));
        flag("newroom");
    }

    void combat() {
        const size_t rounds = 2 + random_.below(5);
        for (size_t i = 0; i < rounds; ++i) {
            colour(random_.pick(colours));
            text(std::string("The ") + random_.pick(nouns) + " " + random_.pick(verbs) + " you for " +
                 std::to_string(random_.below(40)) + " damage!");
            reset_colour();
            text("\r\n");
        }
    }

    void chat() {
        const char *channel = random_.pick(channels);
        const std::string line = std::string(random_.pick(names)) + ": " + sentence() + sentence();
        colour("35");
        text(std::string("[") + channel + "] " + line + "\r\n");
        reset_colour();
        tag("chan", std::string(channel) + " " + line);
    }

    void prompt() {
        const std::string hp = std::to_string(60 + random_.below(60));
        const std::string mp = std::to_string(random_.below(50));
        tag("hp", hp + " 120 " + mp + " 50 " + std::to_string(random_.below(100)) + " 100");
        colour("1;32");
        text("<" + hp + "hp " + mp + "mp> ");
        reset_colour();
        flag(random_.pick(flags));
    }

    // Rows of map cells, as a map payload carries them (no ";" or CR).
    void map() {
        std::string payload;
        const size_t cells = 100 + random_.below(900);
        for (size_t i = 0; i < cells; ++i) {
            payload += static_cast<char>('a' + random_.below(26));
            payload += static_cast<char>('0' + random_.below(10));
            if (i % 40 == 39)
                payload += '\n';
        }
        tag("map", payload);
    }

    void paragraph() {
        switch (random_.below(10)) {
        case 0: case 1: case 2: room(); break;
        case 3: case 4: case 5: combat(); break;
        case 6: case 7: chat(); break;
        case 8:
            if (wire_ && random_.below(4) == 0)
                map();
            else
                room();
            break;
        case 9:
            if (wire_ && random_.below(20) == 0) {
                text("Password: ");
                out_ += "\xff\xfe\x01";   // IAC DONT ECHO
                out_ += "\xff\xfd\x01";   // IAC DO ECHO
            } else if (wire_ && random_.below(10) == 0) {
                out_ += '\a';
            } else {
                combat();
            }
            break;
        }
        prompt();
        text("\r\n");
    }

    corpus_random random_;
    const bool wire_;
    std::string out_;
};

}  // namespace

std::string xirr_mud_corpus(uint64_t seed, size_t length, xirr_mud_corpus_kind kind) {
    return corpus_writer(seed, kind).make(length);
}
