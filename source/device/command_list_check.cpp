#include "device/command_list_check.h"

namespace qel {

bool CommandListEnds(nk_context* ctx) {
  if (!ctx) return true;
  const nk_size most = ctx->memory.allocated / sizeof(struct nk_command) + 1;
  nk_size walked = 0;
  for (const struct nk_command* command = nk__begin(ctx); command; command = nk__next(ctx, command))
    if (++walked > most) return false;
  return true;
}

}  // namespace qel
