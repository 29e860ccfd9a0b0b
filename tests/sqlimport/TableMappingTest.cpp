// Reference chains as long as a script may hold: leaving out a table turns the
// references to it into plain members, one level only, whatever the chain's length.
#include <gtest/gtest.h>

#include "metadata/sqlimport/SqlScriptParser.h"
#include "metadata/sqlimport/TableMapper.h"

TEST(TableMapping, LeavingOutATableOfALongChainChangesOnlyTheReferencesToIt) {
  constexpr int kTables = 25000;
  std::string script;
  for (int t = 0; t < kTables; ++t)
    script += "create table T" + std::to_string(t) + " (id int identity primary key" +
              (t > 0 ? ", prev int not null references T" + std::to_string(t - 1) : std::string()) + ")\n";
  TTableMapping mapping(ParseSqlScript(script), {"T0"});
  project_json::TProjectFile project = mapping.Project("P");
  ASSERT_EQ(project.classes.size(), kTables - 1u);
  EXPECT_EQ(project.classes[0].members[1].memberType, "整型");
  EXPECT_EQ(project.classes[1].members[1].memberType, "T1");
  mapping.Drop(kTables / 2, "dropped");
  project = mapping.Project("P");
  ASSERT_EQ(project.classes.size(), kTables - 2u);
  EXPECT_EQ(project.classes[kTables / 2].members[1].memberType, "整型");
  EXPECT_EQ(project.classes.back().members[1].memberType, "T" + std::to_string(kTables - 2));
}
