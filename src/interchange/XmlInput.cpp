// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlInput.h"

#include <QCoreApplication>
#include <cmath>
#include <utility>

namespace aerolume::interchange {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("RouteFiles", text);
}

}  // namespace

XmlInput::XmlInput(const QByteArray& bytes, QString document)
    : m_reader(bytes), m_document(std::move(document)) {
    // Entities are never declared (no DTD is admitted); this bounds what Qt would expand
    // should one slip through all the same.
    m_reader.setEntityExpansionLimit(0);
}

XmlInput::Position XmlInput::position() const {
    return m_start;
}

void XmlInput::fail(const QString& what) const {
    fail(Position{m_reader.lineNumber(), m_reader.columnNumber(), m_start.element}, what);
}

void XmlInput::fail(const Position& at, const QString& what) const {
    if (at.element.isEmpty()) {
        throw XmlFault{tr("The %1 cannot be read: line %2, column %3: %4")
                           .arg(m_document)
                           .arg(at.line)
                           .arg(at.column)
                           .arg(what)};
    }
    throw XmlFault{tr("The %1 cannot be read: line %2, column %3, in <%4>: %5")
                       .arg(m_document)
                       .arg(at.line)
                       .arg(at.column)
                       .arg(at.element, what)};
}

void XmlInput::failFile(const QString& what) const {
    throw XmlFault{tr("The %1 cannot be read: %2").arg(m_document, what)};
}

void XmlInput::checkToken() {
    if (m_reader.tokenType() == QXmlStreamReader::DTD) {
        fail(
            tr("the file declares a document type (DTD), which is refused: a route file "
               "needs none, and one can hide entities that expand without bound."));
    }
    if (m_reader.tokenType() == QXmlStreamReader::EntityReference) {
        fail(tr("the file refers to an entity (&%1;), which is refused.")
                 .arg(m_reader.name().toString()));
    }
    if (m_reader.hasError()) {
        fail(tr("this is not well-formed XML (%1).").arg(m_reader.errorString()));
    }
    if (m_reader.tokenType() == QXmlStreamReader::StartElement) {
        m_start = {m_reader.lineNumber(), m_reader.columnNumber(), m_reader.name().toString()};
    }
}

void XmlInput::readRoot(const QString& name, const QStringList& namespaces) {
    while (!m_reader.atEnd()) {
        m_reader.readNext();
        checkToken();
        if (m_reader.isStartElement()) {
            if (m_reader.name() != name) {
                fail(tr("this is not a %1 (the first element is <%2>, not <%3>).")
                         .arg(m_document, m_reader.name().toString(), name));
            }
            if (!namespaces.contains(m_reader.namespaceUri().toString())) {
                QStringList known = namespaces;
                known.removeAll(QString());
                fail(
                    tr("the namespace %1 is not one this program reads (%2).")
                        .arg(m_reader.namespaceUri().toString(), known.join(QStringLiteral(", "))));
            }
            return;
        }
    }
    fail(tr("the file holds no XML element; it is empty or not XML."));
}

bool XmlInput::nextChild() {
    while (!m_reader.atEnd()) {
        m_reader.readNext();
        checkToken();
        if (m_reader.isStartElement()) {
            return true;
        }
        if (m_reader.isEndElement()) {
            return false;
        }
    }
    fail(tr("the file ends before the element is closed."));
}

QString XmlInput::text() {
    const QString element = m_start.element;
    QString result;
    while (!m_reader.atEnd()) {
        m_reader.readNext();
        checkToken();
        if (m_reader.isCharacters()) {
            result += m_reader.text();
        } else if (m_reader.isStartElement()) {
            fail(tr("<%1> holds text only, not an element <%2>.")
                     .arg(element, m_reader.name().toString()));
        } else if (m_reader.isEndElement()) {
            return result.trimmed();
        }
    }
    fail(tr("the file ends before the element is closed."));
}

bool XmlInput::hasAttribute(const QString& attribute) const {
    return m_reader.attributes().hasAttribute(attribute);
}

double XmlInput::number(const QString& what, double min, double max, const QString& attribute) {
    const QString value =
        attribute.isEmpty() ? text() : m_reader.attributes().value(attribute).toString().trimmed();
    bool ok = false;
    const double result = value.toDouble(&ok);
    if (value.isEmpty()) {
        fail(tr("%1 is missing.").arg(what));
    }
    if (!ok || !std::isfinite(result)) {
        fail(tr("%1 \"%2\" is not a number.").arg(what, oneLine(value, 40)));
    }
    if (result < min || result > max) {
        fail(tr("%1 %2 is outside %3 to %4.").arg(what, value).arg(min).arg(max));
    }
    return result;
}

void XmlInput::skip() {
    int depth = 1;
    while (depth > 0 && !m_reader.atEnd()) {
        m_reader.readNext();
        checkToken();
        if (m_reader.isStartElement()) {
            ++depth;
        } else if (m_reader.isEndElement()) {
            --depth;
        }
    }
    if (depth > 0) {
        fail(tr("the file ends before the element is closed."));
    }
}

void XmlInput::finish() {
    m_start.element.clear();
    while (!m_reader.atEnd()) {
        m_reader.readNext();
        checkToken();
    }
}

void startDocument(QXmlStreamWriter& out, const char* ns, const QString& root) {
    out.setAutoFormatting(true);
    out.setAutoFormattingIndent(2);
    out.writeStartDocument();
    out.writeDefaultNamespace(QLatin1String(ns));
    out.writeStartElement(QLatin1String(ns), root);
}

QString xmlTime(const QDateTime& time) {
    return time.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

QString oneLine(const QString& text, qsizetype length) {
    QString result = text.simplified();
    if (result.size() > length) {
        result.truncate(length);
        result = result.trimmed();
    }
    return result;
}

}  // namespace aerolume::interchange
