#include "store/postgres/PgTableReader.h"

#include "store/postgres/PgDialect.h"

#include <cstdlib>

const char* const PgTableReader::Statement =
    "SELECT a.attnum, a.attname, format_type(a.atttypid, a.atttypmod), a.attrelid::regclass::text, "
    "(SELECT min((regexp_match(pg_get_constraintdef(c.oid), 'char_length\\(.*<=\\s*(\\d+)'))[1]::int) "
    "FROM pg_constraint c WHERE c.conrelid = a.attrelid AND c.contype = 'c' AND c.conkey = ARRAY[a.attnum]) "
    "FROM pg_attribute a WHERE a.attrelid = $1::oid AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum";

std::unique_ptr<PgSession::Table> PgTableReader::read(const PGresult* result)
{
    auto table = std::make_unique<PgSession::Table>();
    const int rows = PQntuples(result);
    table->quotedName = PQgetvalue(result, 0, 3);
    for (int row = 0; row < rows; ++row) {
        const int number = atoi(PQgetvalue(result, row, 0));
        if (number <= 0) {
            continue;
        }
        if (static_cast<int>(table->columns.size()) < number) {
            table->columns.resize(static_cast<size_t>(number));
        }
        PgSession::Attribute& column = table->columns[static_cast<size_t>(number - 1)];
        const QByteArray name = PQgetvalue(result, row, 1);
        column.present = true;
        column.name = PgDialect::columnName(name);
        column.quoted = '"' + QByteArray(name).replace('"', "\"\"") + '"';
        QByteArray declared = PQgetvalue(result, row, 2);
        column.type = declared;
        // A type of another schema comes qualified: its own name decides.
        const qsizetype paren = declared.indexOf('(');
        const qsizetype dot = declared.lastIndexOf('.', paren < 0 ? -1 : paren);
        if (dot >= 0) {
            declared = declared.mid(dot + 1);
        }
        if (declared == "boolean" || declared == "bitflag") {
            declared = "bit";
        }
        column.kind = ado_detail::kindOfDeclared(declared, column.maxChars);
        if (!PQgetisnull(result, row, 4) && column.kind == ado_detail::Kind::Text) {
            column.maxChars = atoi(PQgetvalue(result, row, 4));
        }
        if (qstricmp(name.constData(), PgSession::KeyColumn) == 0) {
            table->keyColumn = number;
        }
    }
    return table;
}
