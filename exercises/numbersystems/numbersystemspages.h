#pragma once

namespace quorvel {
struct TopicContext;
// Builds this topic's pages inside the exercise notebook and wires them.
void installNumberSystemsPages(TopicContext& ctx);
} // namespace quorvel
