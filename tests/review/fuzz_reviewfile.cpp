// libFuzzer target for the ".qvf" reader: besides not crashing, a fault leaves an empty
// box with a named problem, and whatever was accepted writes and reads back the same.
#include "reviewfile.h"

#include <cstdint>
#include <cstdlib>

using namespace quorvel::review;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const QByteArray data(reinterpret_cast<const char*>(bytes), qsizetype(size));
    ReviewBox box;
    const ReviewParse res = parseReviewFile(data, &box);
    if (!res.ok && (res.problem.isEmpty() || !box.cards().empty() || !box.mastered().empty()))
        std::abort();
    if (int(box.cards().size()) > kMaxCards)
        std::abort();
    const QByteArray written = formatReviewFile(box);
    ReviewBox again;
    if (!parseReviewFile(written, &again).ok || !(again == box))
        std::abort();
    if (formatReviewFile(again) != written)
        std::abort();
    return 0;
}
