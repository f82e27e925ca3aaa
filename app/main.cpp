#include "case/random_source.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SystemRandomSource random;
    Form1 form(random);
    form.Form_Load();
    form.showMaximized();
    return app.exec();
}
