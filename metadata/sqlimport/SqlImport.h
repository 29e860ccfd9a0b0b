#pragma once
// Creates a project from a SQL Server table script: reads it, maps its tables
// and stores the result through the project import, all or nothing.

#include <string>
#include <vector>

#include "metadata/ListEntry.h"
#include "metadata/sqlimport/ScriptText.h"

struct TSqlImportResult {
  TListEntry project;
  // One line per decision: tables skipped and why, columns changed on the way, tables imported.
  std::vector<std::string> report;
};

// Raises TSqlScriptError for a script it cannot read or one without a table
// the project can hold, and TProjectFileError for a refused project name;
// nothing is stored then.
TSqlImportResult ImportSqlScript(const std::string& bytes, TSourceEncoding encoding, const std::string& projectName,
                                 const std::vector<std::string>& skip = {});
