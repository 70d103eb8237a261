-- The grid-list style database: one record per style, every column text.
CREATE TABLE gezi (
    功能 TEXT,
    宽度 TEXT,
    总高 TEXT,
    高度 TEXT,
    代码 TEXT,
    边线 TEXT,
    标题 TEXT,
    价格 TEXT,
    图外高 TEXT,
    图高 TEXT,
    图宽 TEXT,
    图外框 TEXT,
    示例图 TEXT,
    实例 TEXT,
    间距 TEXT,
    主标题 TEXT,
    副标题 TEXT
);
