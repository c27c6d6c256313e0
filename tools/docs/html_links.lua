-- The links of a document of the repository, as they must read in the HTML
-- manual, where every document is one page of a single folder beside
-- pictures/ and examples/. A link to a file the manual does not hold keeps its
-- words and loses its target. Used by tools/docs/html_manual.py.

local source_dir = (PANDOC_STATE.input_files[1] or ""):match("^(.*)/") or ""

-- a/b/../c -> a/c
local function normalize(path)
  local parts = {}
  for part in path:gmatch("[^/]+") do
    if part == ".." and #parts > 0 and parts[#parts] ~= ".." then
      table.remove(parts)
    elseif part ~= "." then
      table.insert(parts, part)
    end
  end
  return table.concat(parts, "/")
end

-- The target in the manual's folder, or nil when the manual does not hold it.
local function in_manual(path)
  if path == "README.md" then return "README.html" end
  local name = path:match("^docs/([%w._-]+)%.md$")
  if name then return name .. ".html" end
  local rest = path:match("^docs/(.+)$")
  if rest and (rest:match("^pictures/") or rest:match("^examples/") or rest:match("%.png$")) then
    return rest
  end
  return nil
end

local function relocate(target)
  if target:match("^[%a][%w+.-]*:") or target:match("^#") then return target end
  local file, anchor = target:match("^([^#]*)(#?.*)$")
  local path = normalize(source_dir == "" and file or (source_dir .. "/" .. file))
  if file:match("/$") then path = path .. "/" end
  local mapped = in_manual(path)
  if mapped then return mapped .. anchor end
  return nil
end

function Link(el)
  local target = relocate(el.target)
  if not target then return el.content end
  el.target = target
  return el
end

function Image(el)
  el.src = relocate(el.src) or el.src
  return el
end

-- The answers of the exercises link their key scripts in raw HTML.
function RawInline(el)
  if el.format ~= "html" then return nil end
  el.text = el.text:gsub('href="([^"]+)"', function(target)
    return 'href="' .. (relocate(target) or target) .. '"'
  end)
  return el
end
