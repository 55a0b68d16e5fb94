#pragma once

#include "ui/Control.h"

namespace lindquay::controls {

inline constexpr Control kMainWindow{WindowId::Main, ""};
inline constexpr Control kTabControl{WindowId::Main, "高级选择夹1"};
inline constexpr Control kListGroup{WindowId::Main, "分组框2"};
inline constexpr Control kFileList{WindowId::Main, "超级列表框_员工信息"};
inline constexpr Control kReadButton{WindowId::Main, "按钮4"};
inline constexpr Control kMirrorButton{WindowId::Main, "按钮1"};
inline constexpr Control kTreeButton{WindowId::Main, "按钮3"};
inline constexpr Control kPlaceholderButton{WindowId::Main, "按钮2"};
inline constexpr Control kMirrorProgressCaption{WindowId::Main, "标签1"};
inline constexpr Control kMirrorProgress{WindowId::Main, "标签2"};
inline constexpr Control kPlaceholderProgress{WindowId::Main, "标签3"};
inline constexpr Control kPlaceholderProgressCaption{WindowId::Main, "标签4"};
inline constexpr Control kStatusBar{WindowId::Main, "状态条1"};

inline constexpr Control kEditorWindow{WindowId::RecordEditor, ""};
inline constexpr Control kEditorGroup{WindowId::RecordEditor, "分组框1"};
inline constexpr Control kEditorId{WindowId::RecordEditor, "编辑框_id"};
inline constexpr Control kEditorName{WindowId::RecordEditor, "编辑框_姓名"};
inline constexpr Control kEditorSex{WindowId::RecordEditor, "编辑框_性别"};
inline constexpr Control kEditorPost{WindowId::RecordEditor, "编辑框_职务"};
inline constexpr Control kEditorPicture{WindowId::RecordEditor, "编辑框_图片"};
inline constexpr Control kEditorPraise{WindowId::RecordEditor, "编辑框_好评"};
inline constexpr Control kEditorComplaints{WindowId::RecordEditor, "编辑框_差评"};
inline constexpr Control kEditorNeutral{WindowId::RecordEditor, "编辑框_一般"};
inline constexpr Control kEditorProfile{WindowId::RecordEditor, "编辑框_简介"};
inline constexpr Control kEditorConfirm{WindowId::RecordEditor, "按钮_确定"};
inline constexpr Control kEditorCancel{WindowId::RecordEditor, "按钮_取消"};
inline constexpr Control kEditorUpload{WindowId::RecordEditor, "按钮_上传"};

} // namespace lindquay::controls
