#pragma once
// The SQL Server table script of one project, as the script window shows it
// (CR LF line ends).

#include <string>

std::string BuildTableScript(int projectId);
