// Copies every saved test from one database to another (a file or a server address):
//   kavren-copy-database [--append] FROM TO
#include "io/database/database_copy.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool append = arguments.removeAll(QStringLiteral("--append")) > 0;
    if (arguments.size() != 2 || arguments[0].startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: copy-database [--append] FROM TO\n"
                             "FROM and TO are database files or server addresses "
                             "(postgresql://[user@]host[:port]/dbname).\n");
        return 2;
    }
    const kavren::CopyResult result = kavren::copyTests(arguments[0], arguments[1], append);
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("%lld tests copied.\n", static_cast<long long>(result.copied));
    return 0;
}
