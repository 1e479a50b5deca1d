// Prints the layout of the given deal numbers, row by row, in English card names:
//   dealcards NUMBER...
// The pinned table of docs/deal-numbers.md comes from it.
#include "DealShuffle.h"
#include "Languages.h"
#include "common/WindowTexts.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    int status = argc > 1 ? 0 : 2;
    for (int a = 1; a < argc; ++a) {
        char* end = nullptr;
        const long long number = std::strtoll(argv[a], &end, 10);
        if (*end != '\0' || !vestorine::isDealNumber(number)) {
            std::fprintf(stderr, "dealcards: %s is not a deal number (1 to 999999999)\n", argv[a]);
            status = 1;
            continue;
        }
        const auto deck = vestorine::dealDeck(int(number));
        std::printf("deal %lld:", number);
        for (int i = 0; i < vestorine::CellCount; ++i)
            std::printf("%s %d", i % vestorine::ColumnCount ? "," : "\n ", deck[i]);
        std::printf("\n first cards: %s, %s, %s\n",
                    qPrintable(texts::cardName(deck[0], vestorine::English)),
                    qPrintable(texts::cardName(deck[1], vestorine::English)),
                    qPrintable(texts::cardName(deck[2], vestorine::English)));
    }
    if (argc < 2)
        std::fprintf(stderr, "usage: dealcards NUMBER...\n");
    return status;
}
