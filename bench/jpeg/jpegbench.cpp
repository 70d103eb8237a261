// The compressor's estimate encoder beside cjpeg on the same 4000 x 3000
// photograph at the same quality, in one run.
//   cmake --build build --target jpegbench && build/jpegbench [quality]
// cjpeg comes with libjpeg-turbo-progs. Goal: the estimate's encoding takes at
// most 1.2 times cjpeg's time; the exit code is 1 when it takes longer.
#include "tests/tools/images/photograph.h"
#include "tools/images/jpegcodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int quality = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 98;
    const int runs = 5;
    QTextStream out(stdout);

    const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    if (cjpeg.isEmpty()) {
        out << "cjpeg not found: install libjpeg-turbo-progs\n";
        return 2;
    }

    const QImage picture = tools::encoderInput(testing::photograph(4000, 3000));
    QTemporaryDir folder;
    const QString ppm = folder.filePath(QStringLiteral("photo.ppm"));
    {
        QFile file(ppm);
        if (!file.open(QIODevice::WriteOnly)) return 2;
        file.write(QStringLiteral("P6\n%1 %2\n255\n").arg(picture.width()).arg(picture.height()).toLatin1());
        for (int y = 0; y < picture.height(); ++y)
            file.write(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width() * 3);
    }

    // Best of several runs each, interleaved so that load on the machine hits both alike.
    qint64 ours = -1;
    qint64 theirs = -1;
    qsizetype ourSize = 0;
    qint64 theirSize = 0;
    QByteArray ourBytes;
    const QString jpg = folder.filePath(QStringLiteral("cjpeg.jpg"));
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<QByteArray> bytes = tools::encodeJpeg(picture, quality);
        const qint64 elapsed = timer.nsecsElapsed();
        if (!bytes) return 2;
        ourBytes = *bytes;
        ourSize = bytes->size();
        ours = ours < 0 ? elapsed : std::min(ours, elapsed);

        QProcess process;
        timer.start();
        process.start(cjpeg, {QStringLiteral("-quality"), QString::number(quality), QStringLiteral("-outfile"), jpg,
                              ppm});
        process.waitForFinished(-1);
        const qint64 spent = timer.nsecsElapsed();
        if (process.exitCode() != 0) {
            out << "cjpeg failed: " << process.readAllStandardError() << "\n";
            return 2;
        }
        theirSize = QFileInfo(jpg).size();
        theirs = theirs < 0 ? spent : std::min(theirs, spent);
    }
    QFile theirFile(jpg);
    theirFile.open(QIODevice::ReadOnly);
    const bool same = theirFile.readAll() == ourBytes;

    const double ratio = double(ours) / double(theirs);
    out << "photograph 4000 x 3000, quality " << quality << ", best of " << runs << " runs\n";
    out << "estimate encoder: " << QString::number(ours / 1e6, 'f', 1) << " ms, " << ourSize << " bytes\n";
    out << "cjpeg (process, reading the PPM file): " << QString::number(theirs / 1e6, 'f', 1) << " ms, "
        << theirSize << " bytes\n";
    out << "identical files: " << (same ? "yes" : "no") << "\n";
    out << "ratio estimate / cjpeg: " << QString::number(ratio, 'f', 2) << " (goal at most 1.20)\n";
    return ratio <= 1.2 ? 0 : 1;
}
