#pragma once

#include <QString>
#include <memory>

class Connection;
class Recordset;

// The query service of the company guide: one recordset, the SQL text of the current query and of
// the one before it (the undo), and sorting by rewriting the ORDER BY clause: the rows already read
// are put in that order as SQLite gives it, or the query runs again. It never filters in memory: the
// recordset's source is the record of what is shown.
// No widgets: the screens bind the recordset it hands back.
class clsDatosBD
{
public:
    clsDatosBD();
    ~clsDatosBD();
    clsDatosBD(const clsDatosBD&) = delete;
    clsDatosBD& operator=(const clsDatosBD&) = delete;

    QString getSQL() const;
    bool setConexion(Connection* m_conexion);
    bool creaConexionJET(const QString& ruta, const QString& clave);

    // Runs `sql`; the number of companies, 0 when none matched or the query failed (see fallo()).
    // A query that fails changes nothing: the previous result and texts stay as they were.
    int setDatos(const QString& sql);
    bool fallo() const { return m_fallo; }
    QString ultimoError() const { return m_ultimoError; }

    int getPosicionBusqueda(const QString& criterio);
    // The field getPosicionBusqueda searches by its beginning: its first letters are gathered as the
    // companies are read, so the first keystroke of a search is as quick as the next ones.
    void setCampoBusqueda(const QString& campo);
    QString getNombreCampo(int indice) const;
    int getNumeroRegistros() const;
    Recordset* getRecordset();
    bool tieneConexion() const;
    bool deshacer();
    // Rewrites the ORDER BY clause by `campo` and queries again; `campo` becomes "name ASC|DESC".
    // The caller shows the new result (the guide binds its grid).
    void setOrden(QString& campo);
    int getOrdenIndice() const;
    QString getOrdenNombre() const;
    int getDireccionOrden() const;
    int getIndice(const QString& nombre) const;
    QString getNombre(int indice) const;
    bool mueveUltimo();
    bool muevePrimero();

    // "campo like 'texto*'" with the text taken literally, for getPosicionBusqueda.
    static QString criterioComienzaPor(const QString& campo, const QString& texto);

private:
    struct SortTerm
    {
        QString campo;
        bool descendente = false;
        bool existe = false;
    };
    SortTerm terminoActual() const;

    std::unique_ptr<Recordset> m_rsDatos;
    Connection* m_conexion = nullptr;
    std::unique_ptr<Connection> m_conexionPropia;
    bool m_conectado = false;
    QString m_sqlAnterior;
    QString m_sqlActual;
    QString m_orden;
    bool m_fallo = false;
    QString m_ultimoError;
};
