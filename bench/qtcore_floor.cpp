// The least any program on QtCore costs: loading QtCore and the libraries it
// needs, and creating the application object, with nothing read or written.
// bench/cli.sh times the command line against it besides getline_floor, to
// show how much of a command is this fixed cost.

#include <QCoreApplication>

int main(int argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    return 0;
}
