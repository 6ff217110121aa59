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

// Three steps at 8, 10 and 12.5 m/s (288, 360 and 450 km/h × 10) from 30–60 s, 90–120 s and
// 150–180 s, with mean heart rates 156, 180 and 210 on the line hr = 60 + 12·v, so V200 is
// 140 / 12 = 11.667 m/s: 42 km/h, 1.4286 min per km, shown as 1:25.
inline HrmText threeStepRecording() {
    HrmText text;
    text.noteLines = {"Sprang p\xE5 glansis"};
    text.lap("00:00:30.0", 150)
        .lap("00:01:00.0", 156, "10")
        .lap("0:01:30.0", 160)
        .lap("0:02:00.0", 180, "20")
        .lap("00:02:30.0", 190)
        .lap("00:03:00.0", 210, "40");
    for (int t = 0; t <= 185; t += 5) {
        const int speed = t >= 30 && t <= 60     ? 288
                          : t >= 90 && t <= 120  ? 360
                          : t >= 150 && t <= 180 ? 450
                                                 : 200;
        text.sampleLines << "150\t" + QByteArray::number(speed) + "\t20";
    }
    return text;
}

} // namespace kavren::testing
