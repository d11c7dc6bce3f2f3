#include "app/CBatchEditorApp.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // --help and --version are answered before any display is reached.
    if (const auto answer = CBatchEditorApp::AnswerWithoutDisplay(argc, argv)) {
        std::fputs(answer->text.toLocal8Bit().constData(), stdout);
        return answer->exitCode;
    }
    // The application object takes Qt's own options (-style, -platform, ...) first.
    CBatchEditorApp app(argc, argv);
    app.StartUp(CBatchEditorApp::ReadCommandLine(QCoreApplication::arguments()));
    return 0;
}
