#include "program.h"
#include "appsetup.h"

namespace quorvel {

Program::Program(NameAsker askName) : window(services, store, std::move(askName))
{
    messages.setParent(&window);
    state.dataDirectory = prepareDataDirectory();
    store.setDataDirectory(state.dataDirectory);
}

} // namespace quorvel
