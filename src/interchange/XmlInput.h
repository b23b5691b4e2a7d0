// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace aerolume::interchange {

// The guarded XML reading the route formats share, and the little their writing shares. The reader
// never fetches anything: a document type declaration (DTD) is refused as soon as it is seen, so no
// entity is ever declared, expanded or loaded; an undeclared entity is not well-formed XML. Every
// failure is thrown as XmlFault with a message that names the line, the column and the
// element, and is caught by the format's reader.

struct XmlFault {
    QString message;
};

class XmlInput {
public:
    // `document` names the file's kind in messages ("flight plan", "GPX file").
    XmlInput(const QByteArray& bytes, QString document);

    // Reads up to the root element and checks its name and namespace (one of
    // `namespaces`; an empty entry admits a root without one).
    void readRoot(const QString& name, const QStringList& namespaces);
    // Moves to the next child element of the current one; false at the current one's
    // end. Text, comments and processing instructions between elements are passed over.
    bool nextChild();
    // The current element's text, trimmed; an element inside it is a fault.
    QString text();
    // The current element's text, or its attribute `attribute` when one is named, as a
    // number from `min` to `max`; `what` names it in messages ("the latitude").
    double number(const QString& what, double min, double max, const QString& attribute = {});
    // Passes over the current element and everything in it.
    void skip();
    // Reads the rest of the document, so that damage after the last element is found too.
    void finish();

    QStringView name() const { return m_reader.name(); }
    bool hasAttribute(const QString& attribute) const;

    // The position of the current element's start, kept for faults found after it.
    struct Position {
        qint64 line = 0;
        qint64 column = 0;
        QString element;
    };
    Position position() const;
    [[noreturn]] void fail(const QString& what) const;
    [[noreturn]] void fail(const Position& at, const QString& what) const;
    // A fault of the whole file, at no one place.
    [[noreturn]] void failFile(const QString& what) const;

private:
    void checkToken();

    QXmlStreamReader m_reader;
    QString m_document;
    Position m_start;
};

// Starts a document the formats write the same way: indented by two, the declaration,
// then the root element `root` in the default namespace `ns`.
void startDocument(QXmlStreamWriter& out, const char* ns, const QString& root);
// A time as the files write it, in UTC ("2026-07-14T09:30:00Z").
QString xmlTime(const QDateTime& time);

// The text of a file, cut to `length` characters at most, with line breaks and tabs made
// spaces and the ends trimmed.
QString oneLine(const QString& text, qsizetype length);

}  // namespace aerolume::interchange
