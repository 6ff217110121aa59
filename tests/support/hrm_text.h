// Builds the text of small heart-rate files for the import tests: a header, an optional note,
// laps of five (or three) lines and samples of heart rate and speed.
#pragma once

#include <QByteArray>
#include <QList>

namespace kavren::testing {

struct HrmText {
    QByteArray params =
        "Version=106\nMonitor=22\nSMode=111000100\nDate=20260315\n"
        "StartTime=9:05:07.0\nLength=00:10:00.0\nInterval=5\nMaxHR=205\nRestHR=32\n";
    QList<QByteArray> noteLines;
    QList<QByteArray> lapLines;
    QList<QByteArray> sampleLines;

    // A lap ending at `time` with the mean heart rate `hrAvg` and `lactate10` on its third line.
    HrmText &lap(const QByteArray &time, int hrAvg, const QByteArray &lactate10 = "0",
                 int lines = 5) {
        lapLines << time + "\t" + QByteArray::number(hrAvg + 7) + "\t" +
                        QByteArray::number(hrAvg - 9) + "\t" + QByteArray::number(hrAvg) + "\t" +
                        QByteArray::number(hrAvg + 12);
        if (lines >= 2)
            lapLines << "0\t0\t0\t180\t0\t0";
        if (lines >= 3)
            lapLines << lactate10 + "\t0\t0\t0\t0";
        for (int i = 3; i < lines; ++i)
            lapLines << "0\t0\t0\t0\t0\t0";
        return *this;
    }
    // count samples, heart rate 150 + i and speed (km/h × 10) firstSpeed + i, altitude 20.
    HrmText &rising(int count, int firstSpeed = 100) {
        for (int i = 0; i < count; ++i)
            sampleLines << QByteArray::number(150 + i) + "\t" + QByteArray::number(firstSpeed + i) +
                               "\t20";
        return *this;
    }

    QByteArray build(const QByteArray &lineEnd = "\n") const {
        QByteArray text = "[Params]\n" + params + "\n[Note]\n";
        for (const QByteArray &line : noteLines)
            text += line + "\n";
        text += "\n[IntTimes]\n";
        for (const QByteArray &line : lapLines)
            text += line + "\n";
        text += "\n[IntNotes]\n\n[HRZones]\n190\n170\n\n[HRData]\n";
        for (const QByteArray &line : sampleLines)
            text += line + "\n";
        text.replace("\n", lineEnd);
        return text;
    }
};

} // namespace kavren::testing
