#include "app/CBatchEditorApp.h"

int main(int argc, char** argv)
{
    CBatchEditorApp app(argc, argv);
    app.StartUp();
    return 0;
}
