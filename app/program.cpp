#include "program.h"
#include "appsetup.h"

namespace quorvel {

Program::Program(NameAsker askName, DataFolderChoice folder)
    : dataFolder(std::move(folder)), window(services, store, std::move(askName))
{
    messages.setParent(&window);
    store.setDataDirectory(dataFolder.path);
    window.showDataFolder(dataFolder.selectionLine());
}

void Program::reportDataFolder()
{
    const QString notice = dataFolder.notice();
    if (!notice.isEmpty())
        static_cast<MessageSink&>(messages).showMessage(notice, MessageKind::Warning);
}

} // namespace quorvel
