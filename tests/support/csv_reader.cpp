#include "support/csv_reader.h"

namespace kavren::testing {

namespace {

class Reader {
public:
    explicit Reader(const QString &text) : m_text(text) {}

    CsvReading read() {
        while (m_pos < m_text.size() && m_result.error.isEmpty())
            readRecord();
        return m_result;
    }

private:
    void fail(const QString &why) {
        if (m_result.error.isEmpty())
            m_result.error = QStringLiteral("%1 at character %2").arg(why).arg(m_pos);
    }

    // One field; returns false when the record ends after it.
    bool readField(QString &field) {
        if (m_pos < m_text.size() && m_text[m_pos] == u'"')
            readQuoted(field);
        else
            readPlain(field);
        if (m_pos >= m_text.size()) {
            fail(QStringLiteral("record not ended by CR LF"));
            return false;
        }
        if (m_text[m_pos] == u',') {
            ++m_pos;
            return true;
        }
        if (m_text.mid(m_pos, 2) == QStringLiteral("\r\n")) {
            m_pos += 2;
            return false;
        }
        fail(QStringLiteral("unexpected character after field"));
        return false;
    }

    void readQuoted(QString &field) {
        ++m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos++];
            if (c != u'"') {
                field += c;
            } else if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                field += c;
                ++m_pos;
            } else {
                return;
            }
        }
        fail(QStringLiteral("unclosed quote"));
    }

    void readPlain(QString &field) {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c == u',' || c == u'\r')
                return;
            if (c == u'"' || c == u'\n') {
                fail(QStringLiteral("quote or line feed in an unquoted field"));
                return;
            }
            field += c;
            ++m_pos;
        }
    }

    void readRecord() {
        QStringList record;
        bool more = true;
        while (more && m_result.error.isEmpty()) {
            QString field;
            more = readField(field);
            record << field;
        }
        m_result.records.push_back(record);
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    CsvReading m_result;
};

} // namespace

CsvReading readCsv(const QString &text) {
    return Reader(text).read();
}

} // namespace kavren::testing
