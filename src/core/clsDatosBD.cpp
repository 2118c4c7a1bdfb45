#include "core/clsDatosBD.h"

#include "core/AppPaths.h"
#include "core/BusyHook.h"
#include "core/Installation.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/RowOrder.h"
#include "platform/db/SqlText.h"

#include <QRegularExpression>
#include <QScopeGuard>

namespace {

const QString kOrderBy = QStringLiteral("ORDER BY");

// The text after the words ORDER BY that start at `pos`.
QString clauseAfterOrderBy(const QString& sql, qsizetype pos)
{
    static const QRegularExpression words(
        QStringLiteral("^ORDER\\s+BY\\s*"), QRegularExpression::CaseInsensitiveOption);
    const QString tail = sql.mid(pos);
    const QRegularExpressionMatch m = words.match(tail);
    return m.hasMatch() ? tail.mid(m.capturedEnd()) : QString();
}

// Splits "name ASC" / "name DESC" into its name and direction; false when it carries none.
bool splitDirection(const QString& term, QString& name, bool& descending)
{
    static const QRegularExpression withDirection(QStringLiteral("^(.*\\S)\\s+(ASC|DESC)\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = withDirection.match(term);
    if (!m.hasMatch()) {
        name = term.trimmed();
        descending = false;
        return false;
    }
    name = m.captured(1).trimmed();
    descending = m.captured(2).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
    return true;
}

} // namespace

clsDatosBD::clsDatosBD()
    : m_rsDatos(std::make_unique<Recordset>())
{
}

clsDatosBD::~clsDatosBD()
{
    m_conectado = false;
}

QString clsDatosBD::getSQL() const
{
    return m_sqlActual;
}

bool clsDatosBD::setConexion(Connection* nueva)
{
    m_conexion = nueva;
    m_conectado = m_conexion && m_conexion->state() == Connection::Open;
    return m_conectado;
}

bool clsDatosBD::creaConexionJET(const QString& /*ruta*/, const QString& clave)
{
    m_conectado = false;
    try {
        auto propia = std::make_unique<Connection>();
        QString cadena = QStringLiteral(" Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
            + ConnectionString::quoted(AppPaths::localPath(gRutaBD)) + QLatin1Char(';');
        if (!clave.isEmpty())
            cadena += QStringLiteral("Jet OLEDB:DataBase Password=") + ConnectionString::quoted(clave)
                + QLatin1Char(';');
        cadena += QStringLiteral("Persist Security Info=False;");
        propia->open(cadena);
        m_conexionPropia = std::move(propia);
        m_conexion = m_conexionPropia.get();
        m_conectado = true;
        return true;
    } catch (const DbError&) {
        return false;
    }
}

int clsDatosBD::setDatos(const QString& texto)
{
    // A copy: the caller may pass one of the texts this function rewrites (undo does).
    const QString sql = texto;
    BusyHook::set(true);
    const auto idle = qScopeGuard([] { BusyHook::set(false); });
    m_fallo = false;
    m_ultimoError.clear();
    const QString actualPrevio = m_sqlActual;
    const QString anteriorPrevio = m_sqlAnterior;

    m_sqlActual = sql;
    if (m_sqlAnterior.isEmpty())
        m_sqlAnterior = sql;
    else if (m_rsDatos->source() != m_sqlAnterior)
        m_sqlAnterior = m_rsDatos->source();

    try {
        if (!m_conexion || !m_conexion->isOpen())
            throw DbError(DbError::NoConnection, QStringLiteral("No se pudo establecer la conexion"));
        // Only the order changes (a sort, an undo of one): the rows in memory are put in SQLite's order.
        if (m_rsDatos->isOpen() && sql != m_rsDatos->source()
            && RowOrder::withoutOrderBy(sql) == RowOrder::withoutOrderBy(m_rsDatos->source())
            && m_rsDatos->reorder(sql))
            return m_rsDatos->recordCount();
        // What is shown stays when the query fails; once its rows arrive they take the place of the
        // present ones, never beside them. A sort or an undo brings back much the same rows: the
        // storage is sized like the present ones.
        m_rsDatos->replace(
            sql, *m_conexion, m_rsDatos->isOpen() ? m_rsDatos->sizeHint() : Recordset::SizeHint());
        return m_rsDatos->recordCount();
    } catch (const DbError& e) {
        m_sqlActual = actualPrevio;
        m_sqlAnterior = anteriorPrevio;
        m_fallo = true;
        m_ultimoError = e.description();
        return 0;
    }
}

bool clsDatosBD::deshacer()
{
    if (m_sqlAnterior.toUpper() == m_rsDatos->source().toUpper())
        return false;
    setDatos(m_sqlAnterior);
    return !m_fallo;
}

int clsDatosBD::getPosicionBusqueda(const QString& criterio)
{
    if (!m_rsDatos->isOpen() || (m_rsDatos->isBOF() && m_rsDatos->isEOF()))
        return 0;
    try {
        m_rsDatos->moveFirst();
        m_rsDatos->find(criterio, 0);
        return m_rsDatos->absolutePosition();
    } catch (const DbError&) {
        return Recordset::PosEOF;
    }
}

void clsDatosBD::setCampoBusqueda(const QString& campo)
{
    m_rsDatos->setSearchColumn(campo);
}

QString clsDatosBD::criterioComienzaPor(const QString& campo, const QString& texto)
{
    return campo + QStringLiteral(" like '") + SqlText::findLiteral(texto) + QStringLiteral("*'");
}

QString clsDatosBD::getNombreCampo(int indice) const
{
    if (!m_rsDatos->isOpen() || indice < 0 || indice >= m_rsDatos->fieldCount())
        return {};
    return m_rsDatos->fieldName(indice);
}

QString clsDatosBD::getNombre(int indice) const
{
    return getNombreCampo(indice);
}

int clsDatosBD::getNumeroRegistros() const
{
    return m_rsDatos->isOpen() ? m_rsDatos->recordCount() : 0;
}

Recordset* clsDatosBD::getRecordset()
{
    if (m_rsDatos->isOpen() && m_rsDatos->recordCount() > 0 && m_rsDatos->absolutePosition() < 0)
        m_rsDatos->moveFirst();
    return m_rsDatos.get();
}

bool clsDatosBD::tieneConexion() const
{
    return m_conectado;
}

clsDatosBD::SortTerm clsDatosBD::terminoActual() const
{
    SortTerm termino;
    const QString fuente = m_rsDatos->source();
    const qsizetype pos = SqlText::indexOfKeyword(fuente, kOrderBy);
    if (pos < 0)
        return termino;
    QString primero = clauseAfterOrderBy(fuente, pos);
    const qsizetype coma = primero.indexOf(QLatin1Char(','));
    if (coma >= 0)
        primero = primero.left(coma);
    splitDirection(primero, termino.campo, termino.descendente);
    termino.existe = !termino.campo.isEmpty();
    return termino;
}

void clsDatosBD::setOrden(QString& campo)
{
    const QString fuente = m_rsDatos->source();
    const qsizetype pos = SqlText::indexOfKeyword(fuente, kOrderBy);
    QString texto;
    if (!campo.isEmpty()) {
        if (campo.startsWith(QLatin1Char('"')))
            campo.remove(0, 1);
        if (campo.endsWith(QLatin1Char('"')))
            campo.chop(1);
        QString nombre;
        bool descendente = false;
        if (!splitDirection(campo, nombre, descendente)) {
            // A bare name toggles only when the companies shown are already sorted by it.
            const SortTerm actual = terminoActual();
            descendente = actual.existe && !actual.descendente
                && actual.campo.compare(nombre, Qt::CaseInsensitive) == 0;
        }
        campo = nombre + (descendente ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
        m_orden = campo;
        const QString base = pos >= 0 ? fuente.left(pos) : fuente;
        texto = QStringView(base).trimmed().toString() + QStringLiteral(" ORDER BY ") + campo;
    } else {
        texto = pos >= 0 ? fuente.left(pos).trimmed() : fuente;
    }
    setDatos(texto);
}

QString clsDatosBD::getOrdenNombre() const
{
    return terminoActual().campo.toUpper();
}

int clsDatosBD::getDireccionOrden() const
{
    const SortTerm termino = terminoActual();
    return termino.existe && termino.descendente ? 1 : 0;
}

int clsDatosBD::getOrdenIndice() const
{
    return getIndice(getOrdenNombre());
}

int clsDatosBD::getIndice(const QString& buscado) const
{
    const QString nombre = buscado.trimmed();
    if (nombre.isEmpty())
        return 0;
    const QString fuente = m_rsDatos->source();
    // The position in the select list, by whole name.
    const qsizetype select = SqlText::indexOfKeyword(fuente, QStringLiteral("SELECT"));
    const qsizetype from = SqlText::indexOfKeyword(fuente, QStringLiteral("FROM"));
    if (select >= 0 && from > select) {
        const QStringList columnas = fuente.mid(select + 6, from - select - 6).split(QLatin1Char(','));
        for (qsizetype i = 0; i < columnas.size(); ++i) {
            QString columna = columnas.at(i).trimmed();
            if (columna.startsWith(QLatin1Char('(')) && columna.endsWith(QLatin1Char(')')))
                columna = columna.mid(1, columna.size() - 2).trimmed();
            if (columna.compare(nombre, Qt::CaseInsensitive) == 0)
                return int(i + 1);
        }
    }
    // Otherwise (SELECT *, an expression): counted at the name's first occurrence in the text.
    const qsizetype at = fuente.indexOf(nombre, 0, Qt::CaseInsensitive);
    if (at < 0)
        return 0;
    return int(fuente.left(at + 1).count(QLatin1Char(',')) + 1);
}

bool clsDatosBD::mueveUltimo()
{
    if (!m_rsDatos->isOpen() || (m_rsDatos->isBOF() && m_rsDatos->isEOF()))
        return false;
    m_rsDatos->moveLast();
    return true;
}

bool clsDatosBD::muevePrimero()
{
    if (!m_rsDatos->isOpen() || (m_rsDatos->isBOF() && m_rsDatos->isEOF()))
        return false;
    m_rsDatos->moveFirst();
    return true;
}
