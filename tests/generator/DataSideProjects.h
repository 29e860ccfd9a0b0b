#pragma once
// The projects the data-side golden files describe, stored straight through
// the access classes (no input rules) so that dangling references and classes
// without key can be made too.

#include <string>

#include "metadata/ClassDAO.h"
#include "metadata/Member.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"

namespace data_side {

struct TMemberSpec {
  const char* name;
  std::string type;
  const char* comment;
  int length = 0;
  bool key = false;
  bool must = true;
  bool display = false;
  bool queryDisplay = true;
};

inline int AddProject(const std::string& name) {
  TProjectDAO().AddProject(name);
  return TProjectDAO().GetProjectId(name);
}

inline int AddClass(int projectId, const std::string& className, const std::string& friendName,
                    std::initializer_list<TMemberSpec> members) {
  TClassDAO().AddClass(projectId, className, friendName, 1);
  const int classId = TClassDAO().GetClassId(projectId, className);
  for (const auto& spec : members) {
    TMember m;
    m.projectId = projectId;
    m.classId = classId;
    m.memberName = spec.name;
    m.memberType = spec.type;
    m.memberLength = spec.length;
    m.memberIsPri = spec.key;
    m.memberComment = spec.comment;
    m.memberIsMust = spec.must;
    m.memberIsInteger = spec.type == member_type::kInteger;
    m.memberIsFloat = spec.type == member_type::kFloat;
    m.memberIsDisplay = spec.display;
    m.memberQueryDisplay = spec.queryDisplay;
    TMemberDAO().AddMember(m);
  }
  return classId;
}

using namespace member_type;

// Integer and string keys, every member type, references to an integer-keyed
// and a string-keyed class, a key-only class, a date-time last member.
inline int AddLibrary() {
  const int p = AddProject("Library");
  AddClass(p, "Category", "图书类别",
           {{"categoryId", kInteger, "类别编号", 0, true},
            {"categoryName", kString, "类别名称", 20, false, true, true}});
  AddClass(p, "Press", "出版社",
           {{"pressCode", kString, "出版社编号", 10, true, false},
            {"pressName", kString, "出版社名称", 30, false, true, true, false}});
  AddClass(p, "Book", "图书",
           {{"bookId", kInteger, "图书编号", 0, true},
            {"title", kString, "书名", 50, false, true, true},
            {"summary", kString, "简介", 200, false, false, false, false},
            {"price", kFloat, "价格"},
            {"cover", kPicture, "封面", 0, false, false, false, false},
            {"pages", kInteger, "页数"},
            {"category", "Category", "类别"},
            {"press", "Press", "出版社"},
            {"publishDate", kDateTime, "出版日期"}});
  AddClass(p, "Tag", "标签", {{"tagName", kString, "标签名\"热门\"", 20, true, true, true}});
  return p;
}

// What the script writes when the store holds what the run would refuse:
// two keys, no key, references to a class without key and to no class.
inline int AddEdge() {
  const int p = AddProject("Edge");
  AddClass(p, "Counter", "计数器", {{"counterId", kInteger, "编号", 0, true}});
  AddClass(p, "Loan", "借阅",
           {{"loanId", kInteger, "借阅编号", 0, true},
            {"loanNo", kString, "借阅号", 12, true},
            {"counter", "Counter", "计数器"},
            {"shelf", "Shelf", "书架"},
            {"amount", kFloat, "金额"}});
  AddClass(p, "Shelf", "书架", {{"label", kString, "标签", 20, false, false, true}, {"room", "Room", "房间"}});
  AddClass(p, "Ghost", "空类", {});
  return p;
}

// Reserved words as class, member and key names, two references to one class
// and one to the class itself, a key-only class, a member named like a
// referenced class's display member, captions that are no plain name.
inline int AddShop() {
  const int p = AddProject("Shop");
  AddClass(p, "User", "用户", {{"id", kInteger, "编号", 0, true}, {"userName", kString, "用户]名", 20, false, true, true}});
  AddClass(p, "Index", "索引", {{"key", kInteger, "", 0, true, true, true}});
  AddClass(p, "Order", "订单",
           {{"orderId", kInteger, "订单编号", 0, true},
            {"user", "User", "下单人"},
            {"buyer", "User", "买家"},
            {"userName", kString, "收货人, (姓名)", 20, false, true, true},
            {"percent", kFloat, "折扣"},
            {"oN", kDateTime, ""},
            {"index", "Index", "折扣"},
            {"parent", "Order", "上级订单"}});
  return p;
}

}  // namespace data_side
