// The floor of the start-up benchmark: the least a Qt Widgets program of the
// main window's size does before its first paint. A bare QMainWindow with 40
// line edits that ends after it has painted once.

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *central = new QWidget(&window);
    auto *grid = new QGridLayout(central);
    for (int i = 0; i < 40; ++i)
        grid->addWidget(new QLineEdit(central), i / 5, i % 5);
    window.setCentralWidget(central);
    QuitAfterFirstPaint probe;
    central->installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
