#include "program.h"
#include "appsetup.h"

namespace quorvel {

Program::Program(NameAsker askName) : window(services, store, std::move(askName))
{
    messages.setParent(&window);
    store.setDataDirectory(prepareDataDirectory());
}

} // namespace quorvel
