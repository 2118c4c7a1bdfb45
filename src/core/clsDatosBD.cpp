#include "core/clsDatosBD.h"

#include "core/AppPaths.h"
#include "core/BusyHook.h"
#include "core/Installation.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"

#include <QRegularExpression>

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
    : rsDatos(std::make_unique<Recordset>())
{
}

clsDatosBD::~clsDatosBD()
{
    conectado = false;
}

QString clsDatosBD::getSQL() const
{
    return sqlActual;
}

bool clsDatosBD::setConexion(Connection* nueva)
{
    conexion = nueva;
    conectado = conexion && conexion->state() == Connection::Open;
    return conectado;
}

bool clsDatosBD::creaConexionJET(const QString& /*ruta*/, const QString& clave)
{
    conectado = false;
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
        conexion = m_conexionPropia.get();
        conectado = true;
        return true;
    } catch (const DbError&) {
        return false;
    }
}

int clsDatosBD::setDatos(const QString& texto)
{
    // A copy: the caller may pass one of the texts this function rewrites (undo does).
    const QString sql = texto;
    BusyHook::Scope busy;
    m_fallo = false;
    m_ultimoError.clear();
    const QString actualPrevio = sqlActual;
    const QString anteriorPrevio = sqlAnterior;

    sqlActual = sql;
    if (sqlAnterior.isEmpty())
        sqlAnterior = sql;
    else if (rsDatos->source() != sqlAnterior)
        sqlAnterior = rsDatos->source();

    try {
        if (!conexion || !conexion->isOpen())
            throw DbError(DbError::NoConnection, QStringLiteral("No se pudo establecer la conexion"));
        // Query aside: what is shown is only replaced by a result that really arrived.
        Recordset nuevo;
        // A sort or an undo brings back much the same rows: size the storage like the present ones.
        nuevo.open(sql, *conexion, rsDatos->isOpen() ? rsDatos->sizeHint() : Recordset::SizeHint());
        rsDatos->adopt(nuevo);
        return rsDatos->recordCount();
    } catch (const DbError& e) {
        sqlActual = actualPrevio;
        sqlAnterior = anteriorPrevio;
        m_fallo = true;
        m_ultimoError = e.description();
        return 0;
    }
}

bool clsDatosBD::deshacer()
{
    if (sqlAnterior.toUpper() == rsDatos->source().toUpper())
        return false;
    setDatos(sqlAnterior);
    return !m_fallo;
}

int clsDatosBD::getPosicionBusqueda(const QString& criterio)
{
    if (!rsDatos->isOpen() || (rsDatos->isBOF() && rsDatos->isEOF()))
        return 0;
    try {
        rsDatos->moveFirst();
        rsDatos->find(criterio, 0);
        return rsDatos->absolutePosition();
    } catch (const DbError&) {
        return Recordset::PosEOF;
    }
}

QString clsDatosBD::criterioComienzaPor(const QString& campo, const QString& texto)
{
    return campo + QStringLiteral(" like '") + SqlText::findLiteral(texto) + QStringLiteral("*'");
}

QString clsDatosBD::getNombreCampo(int indice) const
{
    if (!rsDatos->isOpen() || indice < 0 || indice >= rsDatos->fieldCount())
        return {};
    return rsDatos->fieldName(indice);
}

QString clsDatosBD::getNombre(int indice) const
{
    return getNombreCampo(indice);
}

int clsDatosBD::getNumeroRegistros() const
{
    return rsDatos->isOpen() ? rsDatos->recordCount() : 0;
}

Recordset* clsDatosBD::getRecordset()
{
    if (rsDatos->isOpen() && rsDatos->recordCount() > 0 && rsDatos->absolutePosition() < 0)
        rsDatos->moveFirst();
    return rsDatos.get();
}

bool clsDatosBD::tieneConexion() const
{
    return conectado;
}

clsDatosBD::TerminoOrden clsDatosBD::terminoActual() const
{
    TerminoOrden termino;
    const QString fuente = rsDatos->source();
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
    const QString fuente = rsDatos->source();
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
            const TerminoOrden actual = terminoActual();
            descendente = actual.existe && !actual.descendente
                && actual.campo.compare(nombre, Qt::CaseInsensitive) == 0;
        }
        campo = nombre + (descendente ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
        orden = campo;
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
    const TerminoOrden termino = terminoActual();
    return termino.existe && termino.descendente ? 1 : 0;
}

int clsDatosBD::getOrdenIndice() const
{
    QString nombre = getOrdenNombre().trimmed();
    return getIndice(nombre);
}

int clsDatosBD::getIndice(QString& nombre) const
{
    nombre = nombre.trimmed();
    if (nombre.isEmpty())
        return 0;
    const QString fuente = rsDatos->source();
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
    if (!rsDatos->isOpen() || (rsDatos->isBOF() && rsDatos->isEOF()))
        return false;
    rsDatos->moveLast();
    return true;
}

bool clsDatosBD::muevePrimero()
{
    if (!rsDatos->isOpen() || (rsDatos->isBOF() && rsDatos->isEOF()))
        return false;
    rsDatos->moveFirst();
    return true;
}
