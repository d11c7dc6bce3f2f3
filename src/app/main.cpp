#include "app/CBatchEditorApp.h"

int main(int argc, char** argv)
{
    const QStringList paths = CBatchEditorApp::ReadCommandLine(argc, argv);
    CBatchEditorApp app(argc, argv);
    app.StartUp(paths);
    return 0;
}
